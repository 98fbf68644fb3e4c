#pragma once

#include <QWidget>

#include "settings/skin/skin_draft.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace tarnwick {
class Dialogs;
}

namespace tarnwick::cfg {

class ColorPanel;

// The caption of the editor's message boxes.
QString EditorTitle();

// Step 1: a new skin, or an existing one to change.
class CreationPage : public QWidget {
public:
    CreationPage(Dialogs& dialogs, QWidget* parent);
    // Where the focus goes when the step comes up (on each page).
    QWidget* FirstField() const;
    void Show(const SkinDraft& draft);
    void Collect(SkinDraft& draft) const;

private:
    Dialogs& dialogs_;
    QRadioButton* cbNew_ = nullptr;
    QRadioButton* cbExist_ = nullptr;
    QLineEdit* edExist_ = nullptr;
    QToolButton* btExist_ = nullptr;  // BitBtn14
};

// Step 2: the window's size and colours.
class WindowPage : public QWidget {
    Q_OBJECT
public:
    WindowPage(Dialogs& dialogs, QWidget* parent);
    QWidget* FirstField() const;
    void Show(const SkinDraft& draft);
    void Collect(SkinDraft& draft) const;
    QWidget* previewPlace() const { return previewPlace_; }

signals:
    void changed();

private:
    QSpinBox* udWidth_ = nullptr;
    QSpinBox* udHeight_ = nullptr;
    ColorPanel* pnWindow_ = nullptr;
    QCheckBox* cbTransparent_ = nullptr;
    ColorPanel* pnTransparent_ = nullptr;
    QWidget* previewPlace_ = nullptr;
};

// Step 6: the tray-icons picture, built, opened or the standard one.
class IconsPage : public QWidget {
public:
    IconsPage(Dialogs& dialogs, QWidget* parent);
    QWidget* FirstField() const;
    void Show(const SkinDraft& draft);
    void Collect(SkinDraft& draft) const;

private:
    Dialogs& dialogs_;
    QRadioButton* rbIconsNew_ = nullptr;
    QLineEdit* edIconsDir_ = nullptr;
    QToolButton* btIconsDir_ = nullptr;    // BitBtn20
    QToolButton* btDigitsHelp_ = nullptr;  // BitBtn22
    ColorPanel* pnIconsGround_ = nullptr;
    QComboBox* cmDepth_ = nullptr;
    QLineEdit* edIconsName_ = nullptr;
    QRadioButton* rbIconsOld_ = nullptr;
    QLineEdit* edIcons_ = nullptr;
    QToolButton* btIcons_ = nullptr;      // BitBtn21
    QToolButton* btIconsHelp_ = nullptr;  // BitBtn23
    QRadioButton* rbIconsBuilt_ = nullptr;
};

// Step 7: title, author, description and the file to save to.
class SavePage : public QWidget {
public:
    SavePage(Dialogs& dialogs, QWidget* parent);
    QWidget* FirstField() const;
    void Show(const SkinDraft& draft);
    void Collect(SkinDraft& draft) const;

private:
    Dialogs& dialogs_;
    QLineEdit* edName_ = nullptr;
    QLineEdit* edAuthor_ = nullptr;
    QPlainTextEdit* reInfo_ = nullptr;
    QLineEdit* edFile_ = nullptr;
    QToolButton* btFile_ = nullptr;  // BitBtn12
};

}  // namespace tarnwick::cfg

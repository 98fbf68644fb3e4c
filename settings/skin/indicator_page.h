#pragma once

#include <QWidget>

#include "settings/skin/skin_draft.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace tarnwick {
class Dialogs;
}

namespace tarnwick::cfg {

class ColorPanel;
class FontPanel;

// Steps 3 to 5: the place, type and font of indicator 1, indicator 2 or the diagram. The
// controls carry the names of their indicator (udX1_1, pnFont1, cmDirection, ...).
class IndicatorPage : public QWidget {
    Q_OBJECT
public:
    // number: 1, 2 or 3 (the diagram).
    IndicatorPage(int number, Dialogs& dialogs, QWidget* parent);

    void Show(const IndicatorDraft& draft);
    void Collect(IndicatorDraft& draft) const;
    // Where the preview goes, beside the coordinates.
    QWidget* previewPlace() const { return previewPlace_; }
    // Where the focus goes when the step comes up.
    QWidget* FirstField() const;

signals:
    void changed();

private:
    void ChoosePicture();

    Dialogs& dialogs_;
    QSpinBox* udX1_ = nullptr;
    QSpinBox* udY1_ = nullptr;
    QSpinBox* udX2_ = nullptr;
    QSpinBox* udY2_ = nullptr;
    QComboBox* cmOrient_ = nullptr;  // cmDirection for the diagram
    QRadioButton* rbFlat_ = nullptr;
    QRadioButton* rbGraph_ = nullptr;
    ColorPanel* pnGround_ = nullptr;
    ColorPanel* pnProgress_ = nullptr;
    QLineEdit* edPict_ = nullptr;
    QToolButton* btPict_ = nullptr;
    FontPanel* pnFont_ = nullptr;
    QComboBox* cmAngle_ = nullptr;
    QWidget* previewPlace_ = nullptr;
};

// The filter of every picture dialog of the editor.
QString PictureFilter();

// A label for the field, beside it in the same parent, that names it to a screen reader.
QLabel* BuddyLabel(const QString& text, QWidget* field);

}  // namespace tarnwick::cfg

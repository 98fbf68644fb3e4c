#pragma once

#include <QWidget>

#include "settings/events/event_form.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace tarnwick::cfg {

// The editor's right panel: the title band "Action parameters" over Notebook1, whose five
// pages hold the parameters of the actions.
class ActionPanel : public QWidget {
    Q_OBJECT
public:
    explicit ActionPanel(QWidget* parent);

    void ShowPage(int page);

    void Show(const EventForm& form);  // the pages' fields only
    void Read(EventForm& form) const;

    void SetProgram(const QString& path);
    void SetDocument(const QString& path);
    void SetFolder(const QString& path);
    QString Program() const;
    QString Document() const;

signals:
    void checkUpClicked();
    void browseProgram();
    void browseDocument();
    void browseFolder();

private:
    QWidget* BuildNoParameters();
    QWidget* BuildMessage();
    QWidget* BuildTextGroup(QWidget* page);
    QWidget* BuildSoundGroup(QWidget* page);
    QWidget* BuildLoopGroup(QWidget* page);
    QWidget* BuildProgram();
    QWidget* BuildDocument();
    QWidget* BuildFolder();

    QStackedWidget* notebook1_ = nullptr;
    QRadioButton* rbTextAuto_ = nullptr;
    QRadioButton* rbTextUser_ = nullptr;
    QPlainTextEdit* reInfo_ = nullptr;
    QCheckBox* cbCulprit_ = nullptr;
    QCheckBox* cbNotify_ = nullptr;
    QCheckBox* cbSound_ = nullptr;
    QPushButton* button3_ = nullptr;  // "Check up"
    QLineEdit* edFreq_ = nullptr;
    QLineEdit* edTime_ = nullptr;
    QLineEdit* edPause_ = nullptr;
    QRadioButton* rbLoopTime_ = nullptr;
    QLineEdit* edLoopHour_ = nullptr;
    QLineEdit* edloopMin_ = nullptr;
    QLineEdit* edLoopSec_ = nullptr;
    QRadioButton* rbLoopCount_ = nullptr;
    QLineEdit* edLoopCount_ = nullptr;
    QRadioButton* rbLoopInfinity_ = nullptr;
    QLineEdit* edExec_ = nullptr;
    QPushButton* button4_ = nullptr;
    QLineEdit* edParam_ = nullptr;
    QLineEdit* edDoc_ = nullptr;
    QPushButton* button5_ = nullptr;
    QLineEdit* edFolder_ = nullptr;
    QPushButton* button6_ = nullptr;
};

}  // namespace tarnwick::cfg

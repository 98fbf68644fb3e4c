#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

#include "common/domain.h"
#include "settings/events/event_form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarnwick::cfg {

// The editor's left column: the events list, the event's own settings and the buttons
// "Apply", "Delete" and "Help".
class EventColumn : public QWidget {
    Q_OBJECT
public:
    explicit EventColumn(QWidget* parent);

    // Fills cmNames and selects an entry without counting as the user's choice.
    void SetNames(const QStringList& names, int selected);
    int SelectedEntry() const;  // -1 for none
    // The `event` number of the chosen entry of cmEvents.
    int Resource() const;
    // The pressures the system tells, listed after the four resources. An event shown that
    // watches another keeps its entry, so showing and applying it changes nothing.
    void OfferPressures(const std::vector<Pressure>& offered);

    void Show(const EventForm& form);  // the column's fields only
    void Read(EventForm& form) const;

signals:
    void entryChosen();   // the user picked another entry of cmNames
    void actionChosen();  // cmAction changed
    void applyClicked();
    void deleteClicked();
    void helpClicked();

private:
    QWidget* BuildList();
    QWidget* BuildName();
    QWidget* BuildSettings();
    QWidget* BuildAction();
    QWidget* BuildExecute();
    QWidget* BuildButtons();
    // Fills cmEvents with the resources and the offered pressures, and chooses keep.
    void FillResources(int keep);
    // A pressure has no absolute unit: cmMeasure shows "%" and cannot be changed.
    void KeepUnitFitting();

    std::vector<Pressure> offered_;

    QComboBox* cmNames_ = nullptr;
    QLineEdit* edName_ = nullptr;
    QComboBox* cmEvents_ = nullptr;
    QComboBox* cmBigLit_ = nullptr;
    QLineEdit* edValue_ = nullptr;
    QComboBox* cmMeasure_ = nullptr;
    QLineEdit* edHour_ = nullptr;
    QLineEdit* edMin_ = nullptr;
    QLineEdit* edSec_ = nullptr;
    QComboBox* cmAction_ = nullptr;
    QComboBox* cmExecute_ = nullptr;
    QCheckBox* cbActive_ = nullptr;
    QPushButton* button2_ = nullptr;  // "Apply"
    QPushButton* button1_ = nullptr;  // "Delete"
    QPushButton* button7_ = nullptr;  // "Help"
};

}  // namespace tarnwick::cfg

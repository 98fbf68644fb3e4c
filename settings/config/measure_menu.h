#pragma once

#include <QObject>

#include <array>

#include "common/domain.h"

class QAction;
class QActionGroup;
class QMenu;
class QPushButton;
class QWidget;

namespace tarnwick::cfg {

// The measure menu pmInd shared by the three measure buttons btInd1..btInd3: a submenu per
// resource with its four measures as radio items. Each button holds a measure and shows it as
// "Processor | Usage, %".
class MeasureMenu : public QObject {
    Q_OBJECT
public:
    explicit MeasureMenu(QWidget* parent);
    ~MeasureMenu() override;

    // The button of indicator 0, 1 or 2, made here and placed by the page.
    QPushButton* button(int indicator) const { return buttons_[indicator]; }

    Measure measure(int indicator) const { return measures_[indicator]; }
    void SetMeasure(int indicator, Measure measure);

private:
    void btInd1Click(int indicator);  // pops the menu up under the button
    void miInd1Click(QAction* item);  // gives the chosen measure to that button

    QMenu* pmInd_;
    QActionGroup* items_;
    std::array<QAction*, 16> actions_{};
    std::array<QPushButton*, 3> buttons_{};
    std::array<Measure, 3> measures_{};
    int opener_ = 0;  // the indicator whose button opened the menu
};

}  // namespace tarnwick::cfg

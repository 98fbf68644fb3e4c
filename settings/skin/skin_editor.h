#pragma once

#include <QImage>
#include <QWidget>

#include <array>

#include "common/ui/app_title.h"
#include "settings/services.h"
#include "settings/skin/skin_draft.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace tarnwick {
class LinkLabel;
}

namespace tarnwick::cfg {

class CreationPage;
class IconsPage;
class IndicatorPage;
class SavePage;
class SkinPreview;
class WindowPage;

// The seven steps of the skin editor, in their order.
enum class SkinStep { Creation, Window, Indicator1, Indicator2, Diagram, TrayIcons, Save };

// The skin editor: a wizard of seven steps that makes and edits skin files. Each showing
// starts at step 1 with the values of the last use. Escape closes it as its close box does.
class TfrSkin : public QWidget {
    Q_OBJECT
public:
    explicit TfrSkin(const SettingsServices& services, QWidget* parent = nullptr);
    ~TfrSkin() override;

signals:
    // The editor was closed ("Finish" or its close box); the settings window takes over.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One step's frame: the white title bar, the step's own controls and the bottom bar.
    struct StepFrame {
        QWidget* page = nullptr;
        QPushButton* back = nullptr;
        QPushButton* next = nullptr;
        QPushButton* help = nullptr;
    };

    QWidget* MakeStep(int index, const char* name, const QString& title, QWidget* content);
    QWidget* MakeStepColumn();
    void AddPreview(int index, QWidget* place);

    void FitToScreen();
    SkinStep CurrentStep() const;
    QWidget* FirstField(SkinStep step) const;
    void SelectPage(SkinStep step);
    void BackClick();
    void NextClick();
    void HelpClick();
    // The checks and moves of "Next" on each step; "Finish" on the last.
    void CreationNext();
    void PictureNext(SkinStep step);
    void IconsNext();
    void FinishClick();

    void CollectDraft();
    void ShowDraft();
    void RefreshPreview();
    void Message(const QString& text);
    QString SkinsFolder() const;

    SettingsServices services_;
    SkinDraft draft_;
    BorrowedApplicationTitle title_;  // the program's display name, given back at closing
    QImage iconsBitmap_;  // built by a passed step-6 check, saved and released by "Finish"

    std::array<QLabel*, 7> stepLabels_{};
    LinkLabel* lbPastefold_ = nullptr;
    QStackedWidget* notebook_ = nullptr;
    std::array<StepFrame, 7> steps_{};
    std::array<QScrollArea*, 7> scrolls_{};
    CreationPage* creation_ = nullptr;
    WindowPage* window_ = nullptr;
    std::array<IndicatorPage*, 3> indicators_{};
    IconsPage* icons_ = nullptr;
    SavePage* save_ = nullptr;
    // The previews of steps 2 to 5.
    std::array<SkinPreview*, 4> previews_{};
};

}  // namespace tarnwick::cfg

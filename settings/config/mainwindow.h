#pragma once

#include <QWidget>

#include <array>
#include <memory>

#include "settings/services.h"

class QButtonGroup;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace tarnwick::cfg {

class EventsPage;
class OptionPages;
class SkinsPage;

// The settings window: eight pages chosen by the column of page buttons, "Ok", "Cancel",
// "Apply" and "Help" below them. It reads the settings file when it is made and writes it
// only on "Ok" and "Apply".
class TfrMain : public QWidget {
    Q_OBJECT
public:
    // Pages by their number, counted from 0 as the page buttons' tags.
    enum Page { kMainPage = 0, kSkinsPage = 4, kEventsPage = 5, kAboutPage = 7 };

    explicit TfrMain(const SettingsServices& services, QWidget* parent = nullptr);
    ~TfrMain() override;

    // Fills the window from the files: LoadOptions, LoadSkins, LoadEventsNames, page 1.
    void FormCreate();

    void LoadSkins();
    void LoadEventsNames();
    // Presses the page's button and shows the page.
    void SelectPage(int page);
    int currentPage() const;

    // Writes every key the window knows; false (after the error box) when a write failed.
    bool SaveOptions();

signals:
    // "Skins editor" or "Events editor" was pressed; the window has hidden itself.
    void skinEditorRequested();
    void eventsEditorRequested();
    // The window closed: the program ends.
    void finished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadOptions();
    void OkClick();
    bool ApplyClick();
    void HelpClick();
    void HandOver(void (TfrMain::*request)());

    SettingsServices services_;
    std::unique_ptr<OptionPages> options_;
    SkinsPage* skins_;
    EventsPage* events_;
    QStackedWidget* nbPages_;
    QButtonGroup* pageButtons_;
    std::array<QToolButton*, 8> sbItems_{};
    QPushButton* btOk_;
    QPushButton* btCancel_;
    QPushButton* btApply_;
    QPushButton* btHelp_;
};

}  // namespace tarnwick::cfg

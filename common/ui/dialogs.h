#pragma once

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QMessageBox;

namespace tarnwick {

// Every message box, modal dialog, started program and opened link of both programs goes
// through here, so widget tests answer the dialogs in advance and record the rest instead of
// blocking on a modal box or starting real programs.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The standard error box: the text and a period, captioned with the application's title,
    // stop icon.
    virtual void ShowError(const QString& text) = 0;
    // A box with only an OK button; waits until it is closed.
    virtual void ShowMessage(const QString& caption, const QString& text) = 0;
    // The application-modal box "Событие" of a message event with one OK button. Does not
    // wait: closed runs once the box is shut.
    virtual void ShowEventBox(const QString& text, std::function<void()> closed) = 0;
    // The plain box of a refused power action: text "Exit Error", the failed step as caption.
    virtual void ShowExitError(const QString& caption) = 0;

    // Starts a program without waiting for it and without a shell; false when it did not start.
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
    // A web page or mail address with the user's default handler.
    virtual bool OpenUrl(const QString& url) = 0;
    // A document in its associated program, a folder in the file manager.
    virtual bool OpenDocument(const QString& path) = 0;
    virtual bool OpenFolder(const QString& path) = 0;

    // The folder chooser; empty when cancelled. The path has no trailing "/" (but "/").
    virtual QString ChooseFolder(const QString& title) = 0;
    // The colour and font dialogs, preset to initial; nothing when cancelled. A colour dialog
    // with an empty title has the toolkit's own caption.
    virtual std::optional<QColor> ChooseColor(const QColor& initial, const QString& title) = 0;
    virtual std::optional<QFont> ChooseFont(const QFont& initial) = 0;
    // The file dialogs; filter in Qt's form ("Skins (*.skin)"). Empty when cancelled.
    virtual QString OpenFileName(const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    // A file open dialog with a preview of the picture that is selected.
    virtual QString OpenPictureName(const QString& title, const QString& folder,
                                    const QString& filter) = 0;
    virtual QString SaveFileName(const QString& title, const QString& folder,
                                 const QString& filter) = 0;
};

// The real dialogs: QMessageBox, QFileDialog, QColorDialog, QFontDialog, QProcess and
// QDesktopServices. Boxes are centred on the owner while it is visible.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void ShowError(const QString& text) override;
    void ShowMessage(const QString& caption, const QString& text) override;
    void ShowEventBox(const QString& text, std::function<void()> closed) override;
    void ShowExitError(const QString& caption) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    bool OpenUrl(const QString& url) override;
    bool OpenDocument(const QString& path) override;
    bool OpenFolder(const QString& path) override;
    QString ChooseFolder(const QString& title) override;
    std::optional<QColor> ChooseColor(const QColor& initial, const QString& title) override;
    std::optional<QFont> ChooseFont(const QFont& initial) override;
    QString OpenFileName(const QString& title, const QString& folder,
                         const QString& filter) override;
    QString OpenPictureName(const QString& title, const QString& folder,
                            const QString& filter) override;
    QString SaveFileName(const QString& title, const QString& folder,
                         const QString& filter) override;

private:
    QWidget* Owner() const;
    void PlaceEventBox(QMessageBox& box);

    QPointer<QWidget> owner_;
    std::vector<QPointer<QMessageBox>> eventBoxes_;  // in the order they opened; closed ones null
};

// The caption of every event box.
QString EventBoxCaption();

}  // namespace tarnwick

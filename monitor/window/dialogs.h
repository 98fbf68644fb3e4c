#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tarnwick {

// Every message box and every program the monitor starts goes through here, so widget tests
// answer and record them instead of blocking on a modal box or starting real programs.
class Desktop {
public:
    virtual ~Desktop() = default;
    // The standard error box: the text and a period, captioned "Tarnwick", stop icon.
    virtual void ShowError(const QString& text) = 0;
    // A box with only an OK button.
    virtual void ShowMessage(const QString& caption, const QString& text) = 0;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
    // Opens a web page, mail address, document or folder with the user's default handler.
    virtual bool OpenUrl(const QString& url) = 0;
};

// The real thing: QMessageBox, QProcess::startDetached, QDesktopServices.
class QtDesktop final : public Desktop {
public:
    explicit QtDesktop(QWidget* owner = nullptr) : owner_(owner) {}
    void ShowError(const QString& text) override;
    void ShowMessage(const QString& caption, const QString& text) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    bool OpenUrl(const QString& url) override;

private:
    QWidget* owner_;
};

}  // namespace tarnwick

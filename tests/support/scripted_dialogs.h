#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "common/ui/dialogs.h"

namespace tarnwick::testing {

// The dialog seam for tests: answers queued in advance, everything else recorded. A dialog
// asked with no answer queued is cancelled and counted in unanswered, so a test sees a dialog
// it did not expect.
class ScriptedDialogs : public Dialogs {
public:
    // Answers, taken front first.
    std::deque<QString> folders;
    std::deque<std::optional<QColor>> colors;
    std::deque<std::optional<QFont>> fonts;
    std::deque<QString> openFiles;
    std::deque<QString> saveFiles;
    bool startsSucceed = true;
    bool opensSucceed = true;

    // What the code under test showed or started.
    struct Box {
        QString text;
        std::function<void()> closed;
    };
    QStringList errors;    // the texts of error boxes
    QStringList messages;  // "caption|text"
    std::vector<Box> boxes;
    std::vector<QString> exitErrors;
    QStringList started;  // "program arg arg", and every URL opened
    std::vector<std::pair<QString, QStringList>> programs;
    std::vector<QString> opened;  // "document <path>" or "folder <path>"
    QStringList asked;  // "folder <title>", "color [<title>]", "font", "open <title>|<filter>", ...
    int unanswered = 0;

    void Close(std::size_t box) { boxes.at(box).closed(); }

    void ShowError(const QString& text) override { errors << text; }
    void ShowMessage(const QString& caption, const QString& text) override {
        messages << caption + QLatin1Char('|') + text;
    }
    void ShowEventBox(const QString& text, std::function<void()> closed) override {
        boxes.push_back({text, std::move(closed)});
    }
    void ShowExitError(const QString& caption) override { exitErrors.push_back(caption); }
    bool StartProgram(const QString& program, const QStringList& arguments) override {
        started << (QStringList{program} + arguments).join(QLatin1Char(' '));
        programs.emplace_back(program, arguments);
        return startsSucceed;
    }
    bool OpenUrl(const QString& url) override {
        started << url;
        return opensSucceed;
    }
    bool OpenDocument(const QString& path) override {
        opened.push_back(QStringLiteral("document ") + path);
        return opensSucceed;
    }
    bool OpenFolder(const QString& path) override {
        opened.push_back(QStringLiteral("folder ") + path);
        return opensSucceed;
    }
    QString ChooseFolder(const QString& title) override {
        asked << QStringLiteral("folder ") + title;
        return Take(folders, QString());
    }
    std::optional<QColor> ChooseColor(const QColor&, const QString& title) override {
        asked << (title.isEmpty() ? QStringLiteral("color") : QStringLiteral("color ") + title);
        return Take(colors, std::optional<QColor>());
    }
    std::optional<QFont> ChooseFont(const QFont&) override {
        asked << QStringLiteral("font");
        return Take(fonts, std::optional<QFont>());
    }
    QString OpenFileName(const QString& title, const QString&, const QString& filter) override {
        asked << QStringLiteral("open ") + title + QLatin1Char('|') + filter;
        return Take(openFiles, QString());
    }
    // Answered from openFiles, like the plain open dialog.
    QString OpenPictureName(const QString& title, const QString&, const QString& filter) override {
        asked << QStringLiteral("picture ") + title + QLatin1Char('|') + filter;
        return Take(openFiles, QString());
    }
    QString SaveFileName(const QString& title, const QString&, const QString& filter) override {
        asked << QStringLiteral("save ") + title + QLatin1Char('|') + filter;
        return Take(saveFiles, QString());
    }

private:
    template <typename T>
    T Take(std::deque<T>& queue, T cancelled) {
        if (queue.empty()) {
            ++unanswered;
            return cancelled;
        }
        T answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
};

}  // namespace tarnwick::testing

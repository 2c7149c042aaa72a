#pragma once

#include "ui/prompter.h"

#include <QStringList>
#include <deque>
#include <functional>

// Stands in for every dialog: keeps each message shown and answers from a script.
class RecordingPrompter : public zantrel::Prompter {
public:
    struct Message {
        QString kind; // "error" or "confirm"
        QString title;
        QString text;
    };

    std::vector<Message> messages;
    std::deque<bool> confirmAnswers;   // empty: OK
    std::deque<QString> fileAnswers;   // open/save/folder answers in order; empty: cancel
    std::vector<QString> fileRequests; // "open <folder>", "save <preset>", "folder <title> <start>"
    std::function<void()> onMessage;   // runs while a message is "up"

    void error(QWidget*, const QString& title, const QString& text) override {
        messages.push_back({"error", title, text});
        if (onMessage)
            onMessage();
    }
    bool confirm(QWidget*, const QString& title, const QString& text) override {
        messages.push_back({"confirm", title, text});
        if (onMessage)
            onMessage();
        if (confirmAnswers.empty())
            return true;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    QString openFile(QWidget*, const QString& folder, const QString& filter) override {
        fileRequests.push_back("open " + folder + " " + filter);
        return next();
    }
    QString saveFile(QWidget*, const QString& preset, const QString& filter,
                     const QString& suffix) override {
        fileRequests.push_back("save " + preset + " " + filter + " " + suffix);
        return next();
    }
    QString folder(QWidget*, const QString& title, const QString& start) override {
        fileRequests.push_back("folder " + title + " " + start);
        return next();
    }

    QStringList texts() const {
        QStringList out;
        for (const Message& m : messages)
            out << m.text;
        return out;
    }

private:
    QString next() {
        if (fileAnswers.empty())
            return QString();
        QString a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};

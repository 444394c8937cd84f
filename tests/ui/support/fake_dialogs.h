#pragma once
// Answers the window's message boxes and file dialogs from queues and keeps
// what was asked, so tests run without a person.
#include <deque>
#include <optional>
#include <vector>

#include "base/ui/user_dialogs.h"

struct AskedMessage {
    QString caption;
    QString text;
    base::Icon icon;
    bool question;
};

class FakeDialogs final : public base::ui::UserDialogs {
public:
    base::ui::Answer message(QWidget*, const QString& caption, const QString& text, base::Icon icon,
                            bool question) override {
        messages.push_back({caption, text, icon, question});
        if (!question) return base::ui::Answer::Ok;
        if (answers.empty()) return base::ui::Answer::No;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<base::ui::FileChoice> openFile(QWidget*, const base::ui::FileRequest& r) override {
        return next(r);
    }
    std::optional<base::ui::FileChoice> saveFile(QWidget*, const base::ui::FileRequest& r) override {
        return next(r);
    }
    std::optional<QString> inputBox(QWidget*, const QString&, const QString&, const QString&) override {
        if (inputs.empty()) return std::nullopt;
        auto i = inputs.front();
        inputs.pop_front();
        return i;
    }
    std::optional<QColor> chooseColour(QWidget*, const QColor& initial) override {
        colourRequests.push_back(initial);
        if (colours.empty()) return std::nullopt;
        auto c = colours.front();
        colours.pop_front();
        return c;
    }
    bool openUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return browserWorks;
    }

    std::vector<AskedMessage> messages;
    std::vector<base::ui::FileRequest> requests;
    std::deque<base::ui::Answer> answers;
    std::deque<std::optional<base::ui::FileChoice>> files;  // nullopt = Cancel
    std::deque<std::optional<QColor>> colours;              // nullopt = Cancel
    std::deque<std::optional<QString>> inputs;              // nullopt = Cancel
    std::vector<QColor> colourRequests;
    std::vector<QUrl> openedUrls;
    bool browserWorks = true;

private:
    std::optional<base::ui::FileChoice> next(const base::ui::FileRequest& r) {
        requests.push_back(r);
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
};

#pragma once
// A main window over a fresh program directory, with files written there.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <functional>
#include <QTemporaryDir>
#include <memory>

#include "app/ui/main_window.h"
#include "support/fake_dialogs.h"

struct WindowFixture {
    QTemporaryDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<app::ui::MainWindow> window;

    std::filesystem::path home() const { return dir.path().toStdString(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path(name);
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll();
    }

    app::ui::MainWindow& open() {
        window = std::make_unique<app::ui::MainWindow>(base::Workspace(home()), dialogs);
        window->show();
        QCoreApplication::processEvents();
        return *window;
    }
    // Closes the window as the user would (settings are written).
    void close() {
        window->close();
        window.reset();
    }
};

// Answers the next modal window of type T (a dialog or TransientMessage) once it shows.
template <typename T>
void whenShown(std::function<void(T*)> answer) {
    QTimer::singleShot(0, [answer] {
        auto tries = std::make_shared<int>(0);
        auto step = std::make_shared<std::function<void()>>();
        *step = [answer, tries, step] {
            for (auto* w : QApplication::topLevelWidgets())
                if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) return answer(t);
            if (++*tries < 200) QTimer::singleShot(10, *step);
        };
        (*step)();
    });
}

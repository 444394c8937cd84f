#pragma once
// "Compare results": the lines of one byte-wise comparison. Modeless; it
// frees itself when closed and keeps its place in the settings file.
#include <QWidget>
#include <filesystem>

#include "base/language.h"
#include "base/ui/captions.h"
#include "tools/compare.h"

class QListView;

namespace tools::ui {

class CompareWindow : public QWidget, public base::ui::Translatable {
    Q_OBJECT
public:
    CompareWindow(QWidget* parent, const base::Language& language, const std::filesystem::path& settingsFile,
             tools::Comparison comparison);
    void translate() override { captions_.apply(); }

    QListView* ListBox1;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    base::ui::Captions captions_;
    std::filesystem::path settingsFile_;
};

}  // namespace tools::ui

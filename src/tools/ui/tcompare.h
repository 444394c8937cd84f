#pragma once
// "Compare results": the lines of one byte-wise comparison. Modeless; it
// frees itself when closed and keeps its place in the settings file.
#include <QWidget>
#include <filesystem>

#include "app/language.h"
#include "app/ui/captions.h"
#include "tools/compare.h"

class QListView;

namespace tools::ui {

class TCompare : public QWidget, public app::ui::Translatable {
    Q_OBJECT
public:
    TCompare(QWidget* parent, const app::Language& language, const std::filesystem::path& settingsFile,
             tools::Comparison comparison);
    void translate() override { captions_.apply(); }

    QListView* ListBox1;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    app::ui::Captions captions_;
    std::filesystem::path settingsFile_;
};

}  // namespace tools::ui

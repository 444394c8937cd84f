#include "tools/ui/casm_hex_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "base/bounded_file.h"
#include "base/texts.h"
#include "base/ui/window_position.h"
#include "tools/compare.h"
#include "tools/hex_dump.h"
#include "tools/ui/compare_window.h"
#include "tools/ui/dump_models.h"

namespace tools::ui {
namespace {

const char* kCsmFilter = "Yamaha CASM section (*.csm)|*.csm";
const char* kTxtFilter = "Text file (*.txt)|*.txt";
constexpr int kTxtFilterIndex = 2;

QString pathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

CasmHexWindow::CasmHexWindow(QWidget* parent, BinCasmContext context)
    : QWidget(parent, Qt::Window), context_(std::move(context)), captions_(context_.language) {
    setObjectName("BinCasm");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    layout->setMenuBar(MainMenu1);
    mFile = MainMenu1->addMenu(QString());
    mFile->setObjectName("mFile");
    captions_.add(1, [this](const QString& t) { mFile->setTitle(t); });
    auto item = [this](const char* name, int id, const char* builtin) {
        auto* action = mFile->addAction(QString());
        action->setObjectName(name);
        captions_.add(id, builtin, [action](const QString& t) { action->setText(t); });
        return action;
    };
    mSaveas = item("mSaveas", 3, "&Save as ...");
    mOpen = item("mOpen", 2, "&Open");
    mCompare = item("mCompare", 130, "&Compare");
    mFile->addSeparator();
    mExit = item("mExit", 7, "&Exit");
    connect(mSaveas, &QAction::triggered, this, [this] { mSaveasClick(); });
    connect(mOpen, &QAction::triggered, this, [this] { mOpenClick(); });
    connect(mCompare, &QAction::triggered, this, [this] { mCompareClick(); });
    connect(mExit, &QAction::triggered, this, &QWidget::close);

    ListBox1 = new QListView(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ListBox1->setUniformItemSizes(true);
    model_ = new HexDumpModel(ListBox1);
    ListBox1->setModel(model_);
    layout->addWidget(ListBox1);
    showCaption();
    resize(640, 400);
    base::ui::restoreWindow(*this, context_.settingsFile, "BinCasm");
}

void CasmHexWindow::translate() {
    captions_.apply();
    showCaption();
}

void CasmHexWindow::showCaption() {
    setWindowTitle(shownFile_.empty() ? captions_.text(base::text::casmHexView) : pathText(shownFile_));
}

void CasmHexWindow::report(const base::Message& message) { base::ui::showMessage(context_.dialogs, this, message); }

void CasmHexWindow::load(const std::filesystem::path& file) {
    base::removeFile(context_.dumpFile);
    model_->clear();
    shownFile_ = file;
    showCaption();
    auto read = base::readBoundedFile(file, context_.language);
    if (read.failure) {
        report(*read.failure);
        return;
    }
    if (!tools::writeDump(read.bytes, context_.dumpFile))
        report({captions_.text(base::text::unableToCreate).toStdString(), context_.dumpFile.string(), base::Icon::Error,
                base::text::unableToCreate, 0});
    model_->setBytes(std::move(read.bytes));
}

void CasmHexWindow::mOpenClick() {
    base::ui::FileRequest request;
    request.directory = pathText(context_.programDir);
    request.filters = base::ui::qtFilters({kCsmFilter});
    const auto choice = context_.dialogs.openFile(this, request);
    if (choice) load(choice->path.toStdString());
}

void CasmHexWindow::mSaveasClick() {
    base::ui::FileRequest request;
    request.directory = pathText(context_.programDir);
    request.filters = base::ui::qtFilters({kCsmFilter, kTxtFilter});
    request.confirmOverwrite = true;
    const auto choice = context_.dialogs.saveFile(this, request);
    if (!choice) return;
    // The old target is replaced only once the copy is complete.
    const std::filesystem::path source = choice->filterIndex == kTxtFilterIndex ? context_.dumpFile : shownFile_;
    const std::filesystem::path target = choice->path.toStdString();
    if (!base::copyFileAtomic(source, target))
        report({captions_.text(base::text::unableToCreate).toStdString(), target.string(), base::Icon::Error,
                base::text::unableToCreate, 0});
}

void CasmHexWindow::mCompareClick() {
    base::ui::FileRequest request;
    request.directory = pathText(context_.programDir);
    request.filters = base::ui::qtFilters({kCsmFilter});
    const auto choice = context_.dialogs.openFile(this, request);
    if (!choice) return;
    const std::filesystem::path a = choice->path.toStdString();
    const auto fileA = base::readBoundedFile(a, context_.language);
    if (fileA.failure) return report(*fileA.failure);
    const auto fileB = base::readBoundedFile(shownFile_, context_.language);
    if (fileB.failure) return report(*fileB.failure);
    auto* window = new CompareWindow(parentWidget(), context_.language, context_.settingsFile,
                                tools::compareBytes(fileA.bytes, fileB.bytes, a.string(), shownFile_.string()));
    window->show();
}

void CasmHexWindow::closeEvent(QCloseEvent* e) {
    base::ui::storeWindow(*this, context_.settingsFile, "BinCasm");
    QWidget::closeEvent(e);
}

}  // namespace tools::ui

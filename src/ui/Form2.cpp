// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form2.h"

#include <QFile>
#include <QKeyEvent>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "session/PathText.h"
#include "ui/FilePath.h"

namespace kestive::ui {

namespace {
// A row gets the focus mark only when it is selected: the list's current row alone is not a choice,
// and marking it would make "load" look as if it ignored a pick.
class SelectedRowMark final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!(option->state & QStyle::State_Selected)) option->state &= ~QStyle::State_HasFocus;
    }
};
}  // namespace

Form2::Form2(QWidget* owner, QDir folder, LoadHandler onLoad)
    : SecondaryWindow(owner, QStringLiteral("Load..."), 2955, 3810),
      folder_(std::move(folder)),
      onLoad_(std::move(onLoad)) {
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(twips(120, 120, 2655, 2175));
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    File1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    File1->setItemDelegate(new SelectedRowMark(File1));
    File1->installEventFilter(this);

    Command1 = addButton("Command1", QStringLiteral("load"), twips(120, 2400, 2655, 615));
    Command2 = addButton("Command2", QStringLiteral("Cancel"), twips(120, 3120, 2655, 615));
    setTabOrder(File1, Command1);
    setTabOrder(Command1, Command2);

    // Selecting an entry, even by double-click, only selects it: the load happens on "load" alone.
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    refreshList();
}

std::vector<std::pair<QString, std::filesystem::path>> Form2::sessionFiles(const std::filesystem::path& dir) {
    // Read with the standard library: QDir leaves out names that are not valid in the locale's encoding.
    std::vector<std::pair<QString, std::filesystem::path>> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        // Hidden files too: an answer starting with "." still makes a session file the list must offer.
        const std::string name = textOfPath(entry.path().filename());
        if (name.size() < 4 || !entry.is_regular_file(ec)) continue;
        if (QString::fromLatin1(name.substr(name.size() - 4)).compare(".pll", Qt::CaseInsensitive) != 0)
            continue;
        // A name that is not valid UTF-8 is shown with a replacement mark where a byte cannot be read.
        found.emplace_back(qStringOfPath(entry.path().filename()), entry.path().filename());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    return found;
}

void Form2::refreshList() {
    const QString keep = selectedName();
    File1->clear();
    files_.clear();
    for (auto& [shown, file] : sessionFiles(folder_.filesystemPath())) {
        auto* item = new QListWidgetItem(shown, File1);
        item->setData(Qt::UserRole, static_cast<qulonglong>(files_.size()));
        files_.push_back(std::move(file));
    }
    File1->setCurrentRow(-1);
    if (!keep.isEmpty()) {
        const QList<QListWidgetItem*> same =
            File1->findItems(keep, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!same.isEmpty()) File1->setCurrentItem(same.front());
    }
}

QString Form2::selectedName() const {
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

std::filesystem::path Form2::selectedFile() const {
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    if (selected.isEmpty()) return {};
    return files_.at(selected.front()->data(Qt::UserRole).toULongLong());
}

void Form2::Command1_Click() {
    const std::filesystem::path file = selectedFile();
    if (file.empty() || !onLoad_) return;  // nothing picked: nothing to load, the dialog stays
    if (onLoad_(file)) hide();
}

void Form2::Command2_Click() {
    hide();
}

void Form2::present() {
    if (isVisible()) refreshList();  // a hidden dialog reads it in showEvent
    SecondaryWindow::present();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    // Before any pick the list's cursor rests on the first row unselected, and Down would move on to
    // the second: the first Down selects the first row instead.
    if (watched == File1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && File1->count() > 0 &&
        File1->selectedItems().isEmpty()) {
        File1->setCurrentRow(0);
        return true;
    }
    return SecondaryWindow::eventFilter(watched, event);
}

void Form2::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) refreshList();
    SecondaryWindow::showEvent(event);
}

}  // namespace kestive::ui

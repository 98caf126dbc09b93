#include "ui/Form2.h"

#include <QShowEvent>
#include <QStyledItemDelegate>

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

    Command1 = addButton("Command1", QStringLiteral("load"), twips(120, 2400, 2655, 615));
    Command2 = addButton("Command2", QStringLiteral("Cancel"), twips(120, 3120, 2655, 615));
    setTabOrder(File1, Command1);
    setTabOrder(Command1, Command2);

    // Selecting an entry, even by double-click, only selects it: the load happens on "load" alone.
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    refreshList();
}

QStringList Form2::sessionFileNames(const QDir& dir) {
    QDir d(dir);
    d.setNameFilters({QStringLiteral("*.pll")});
    // Hidden files too: an answer starting with "." still makes a session file the list must offer.
    d.setFilter(QDir::Files | QDir::Hidden);
    d.setSorting(QDir::Name | QDir::IgnoreCase);
    return d.entryList();
}

void Form2::refreshList() {
    const QString keep = selectedName();
    File1->clear();
    File1->addItems(sessionFileNames(folder_));
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

void Form2::Command1_Click() {
    const QString name = selectedName();
    if (name.isEmpty() || !onLoad_) return;  // nothing picked: nothing to load, the dialog stays
    if (onLoad_(name)) hide();
}

void Form2::Command2_Click() {
    hide();
}

void Form2::present() {
    if (isVisible()) refreshList();  // a hidden dialog reads it in showEvent
    SecondaryWindow::present();
}

void Form2::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) refreshList();
    SecondaryWindow::showEvent(event);
}

}  // namespace kestive::ui

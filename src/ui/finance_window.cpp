// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/finance_window.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "commands/program.h"
#include "ui/money_texts.h"
#include "ui/window_look.h"

namespace kelpmark::ui {

using widgets::XYPlot;

namespace {

constexpr int kHelpTopic = 60;

}  // namespace

// The table's cells as texts, taken from the game's figures.
class FinanceModel : public QAbstractTableModel {
 public:
  explicit FinanceModel(QObject* parent) : QAbstractTableModel(parent) {}

  // The fonts of the figures (the emphasised rows' in bold), for their widths.
  void setFont(const QFont& font) {
    normal_ = QFontMetrics(font);
    bold_ = QFontMetrics(boldFont());
  }

  // Takes the new figures. True when the rows or the columns changed (the model
  // was reset); otherwise only the cells whose texts changed are told, and
  // `changed` gets their columns with the width of the widest new figure.
  bool setTable(const Game& game, FinanceTable table, std::vector<std::pair<int, int>>& changed) {
    bool reset = table.months != table_.months || table.rows.size() != table_.rows.size();
    for (size_t i = 0; !reset && i < table.rows.size(); ++i)
      reset = table.rows[i].kind != table_.rows[i].kind || table.rows[i].category != table_.rows[i].category;
    changed.clear();
    if (reset) {
      beginResetModel();
      table_ = std::move(table);
      cells_.assign(table_.rows.size(), {});
      for (size_t r = 0; r < table_.rows.size(); ++r)
        for (Currency v : table_.rows[r].values) cells_[r].push_back(cellText(game, table_.rows[r], v));
      nameRowsAndColumns();
      endResetModel();
      return true;
    }
    // Only the figures that changed are written anew (mostly the current month's
    // and the totals).
    for (int c = 0; c < columnCount(); ++c) {
      const auto column = static_cast<size_t>(c);
      int first = -1, last = -1, widest = 0;
      for (size_t r = 0; r < table.rows.size(); ++r) {
        if (column >= table.rows[r].values.size()) continue;  // a heading
        const Currency now = table.rows[r].values[column];
        if (now == table_.rows[r].values[column]) continue;
        cells_[r][column] = cellText(game, table.rows[r], now);
        widest = std::max(widest, textWidth(r, cells_[r][column]));
        if (first < 0) first = static_cast<int>(r);
        last = static_cast<int>(r);
      }
      if (first < 0) continue;
      changed.emplace_back(c, widest);
      emit dataChanged(index(first, c), index(last, c));
    }
    table_ = std::move(table);
    return false;
  }
  const FinanceTable& table() const { return table_; }
  // The width of a column's widest figure, in pixels.
  int widestFigure(int column) const {
    int widest = 0;
    for (size_t r = 0; r < cells_.size(); ++r)
      if (static_cast<size_t>(column) < cells_[r].size())
        widest = std::max(widest, textWidth(r, cells_[r][static_cast<size_t>(column)]));
    return widest;
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(table_.months.size()) + 1;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    const FinanceRow& row = table_.rows[static_cast<size_t>(index.row())];
    const auto column = static_cast<size_t>(index.column());
    switch (role) {
      case Qt::DisplayRole:
        return column < cells_[static_cast<size_t>(index.row())].size()
                   ? cells_[static_cast<size_t>(index.row())][column]
                   : QVariant();
      case Qt::TextAlignmentRole: return QVariant(Qt::AlignRight | Qt::AlignVCenter);
      case Qt::FontRole: return emphasised(row.kind) ? QVariant(boldFont()) : QVariant();
      case Qt::ForegroundRole:
        if (column < row.values.size() && row.values[column] < Currency())
          return QColor(255, 160, 160);
        return QVariant();
      default: return QVariant();
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    const auto i = static_cast<size_t>(section);
    if (orientation == Qt::Horizontal)
      return role == Qt::DisplayRole && i < columnNames_.size() ? QVariant(columnNames_[i]) : QVariant();
    if (i >= rowNames_.size()) return QVariant();
    if (role == Qt::FontRole) return emphasised(table_.rows[i].kind) ? QVariant(boldFont()) : QVariant();
    return role == Qt::DisplayRole ? QVariant(rowNames_[i]) : QVariant();
  }

 private:
  static bool emphasised(FinanceRowKind kind) { return kind != FinanceRowKind::Category; }
  // The headers' texts, looked up once for each new shape of the table.
  void nameRowsAndColumns() {
    columnNames_.clear();
    for (MonthIndex month : table_.months) columnNames_.push_back(monthName(month));
    columnNames_.push_back(FinanceWindow::tr("Итого"));
    rowNames_.clear();
    for (const FinanceRow& row : table_.rows) rowNames_.push_back(rowName(row));
  }
  static QString rowName(const FinanceRow& row) {
    switch (row.kind) {
      case FinanceRowKind::Incomes: return FinanceWindow::tr("Доходы");
      case FinanceRowKind::Category: return QStringLiteral("   ") + categoryName(row.category);
      case FinanceRowKind::IncomeTotal: return FinanceWindow::tr("Всего доходов");
      case FinanceRowKind::Expenses: return FinanceWindow::tr("Расходы");
      case FinanceRowKind::ExpenseTotal: return FinanceWindow::tr("Всего расходов");
      case FinanceRowKind::Result: return FinanceWindow::tr("Итог месяца");
      case FinanceRowKind::ClosingMoney: return FinanceWindow::tr("Деньги на конец месяца");
    }
    return {};
  }
  // A category's month without an amount stays blank; totals show their 0.
  static QString cellText(const Game& game, const FinanceRow& row, Currency v) {
    if (row.kind == FinanceRowKind::Category && v == Currency()) return {};
    return QString::fromStdString(game.money(v)).replace(QLatin1Char('-'), QChar(0x2212));
  }
  static QFont boldFont() { return arialPx(12, true); }
  int textWidth(size_t row, const QString& text) const {
    return (emphasised(table_.rows[row].kind) ? bold_ : normal_).horizontalAdvance(text);
  }

  FinanceTable table_;
  std::vector<QString> columnNames_, rowNames_;
  QFontMetrics normal_{QFont()}, bold_{QFont()};
  std::vector<std::vector<QString>> cells_;
};

FinanceWindow::FinanceWindow(Program& program, QWidget* parent)
    : QDialog(parent),
      program_(program),
      model_(new FinanceModel(this)),
      table_(new QTableView(this)),
      chart_(new XYPlot(this)) {
  setWindowTitle(tr("Финансы"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(false);
  setDialogBackground(this);

  table_->setModel(model_);
  table_->setFont(arialPx(12));
  model_->setFont(table_->font());
  table_->setAccessibleName(tr("Доходы и расходы по месяцам"));
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setCornerButtonEnabled(false);
  table_->setWordWrap(false);
  // Widths are fitted when the months or rows change, and a column widens when a
  // figure outgrows it: fitting every column at every tick would cost far more
  // than the figures themselves.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setFont(arialPx(12, true));
  table_->verticalHeader()->setFont(arialPx(12));
  table_->setStyleSheet(navyTableStyle());

  chart_->setAccessibleName(tr("График доходов, расходов и денег по месяцам"));
  chart_->addSeries(QColor(0, 160, 0), XYPlot::Axis::Left, tr("Доходы"));
  chart_->addSeries(QColor(200, 0, 0), XYPlot::Axis::Left, tr("Расходы"));
  // A blue that stands out on the legend's navy as on the white field.
  chart_->addSeries(QColor(60, 110, 255), XYPlot::Axis::Right, tr("Деньги"));
  chart_->setSeriesData(0, &incomeLine_);
  chart_->setSeriesData(1, &expenseLine_);
  chart_->setSeriesData(2, &moneyLine_);
  for (XYPlot::Axis axis : {XYPlot::Axis::Left, XYPlot::Axis::Right}) {
    chart_->setAxisRange(axis, 0, 10000);
    chart_->setAxisAutoScale(axis, true);
    chart_->setAxisTickCount(axis, 5);
  }
  chart_->setAxisGrid(XYPlot::Axis::Left, XYPlot::GridStyle::Dotted, QColor(Qt::black));
  chart_->setAxisGrid(XYPlot::Axis::Bottom, XYPlot::GridStyle::Solid, QColor(190, 190, 190));
  chart_->setAxisCaption(XYPlot::Axis::Bottom, tr("Месяц"));
  chart_->setAxisRange(XYPlot::Axis::Bottom, 0, 13);
  chart_->setAxisTickCount(XYPlot::Axis::Bottom, 13);
  chart_->setMinimumHeight(150);

  QHBoxLayout* buttons = okHelpRow(this, [this] { close(); }, [this] { emit helpRequested(kHelpTopic); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(table_, 3);
  layout->addWidget(chart_, 2);
  layout->addLayout(buttons);
  resize(900, 720);
}

FinanceWindow::~FinanceWindow() = default;

void FinanceWindow::showFollowing() {
  syncFromGame();
  if (!isVisible()) {
    fitToScreen(this, parentWidget() != nullptr ? parentWidget()->screen() : nullptr);
    centreOnScreen(this);
  }
  show();
  raise();
  activateWindow();
}

void FinanceWindow::showOver(QWidget* modal) {
  const bool wasOpen = isVisible();
  // A modal window lets only windows above it take the keyboard and the mouse:
  // this one is shown as a modal window of its own until it is closed.
  hide();
  syncFromGame();
  fitToScreen(this, modal != nullptr ? modal->screen() : nullptr);
  centreOnScreen(this);
  overModal_ = true;
  exec();
  overModal_ = false;
  if (wasOpen) showFollowing();
}

void FinanceWindow::done(int result) {
  const bool wasActive = isActiveWindow();
  QDialog::done(result);
  // The keyboard goes back to the main window (a desktop without a window
  // manager would leave it nowhere).
  if (wasActive && !overModal_ && parentWidget() != nullptr) parentWidget()->activateWindow();
}

void FinanceWindow::syncFromGame() {
  const Game& game = program_.game;
  if (!game.hasCompany()) {
    if (synced_ && company_ == nullptr) return;
    company_ = nullptr;
    synced_ = true;
    std::vector<std::pair<int, int>> changed;
    if (model_->setTable(game, {}, changed)) fitColumns();
    incomeLine_.clear();
    expenseLine_.clear();
    moneyLine_.clear();
    chart_->dataChanged();
    return;
  }
  const TCorporation& c = game.corp();
  const MonthIndex month = monthIndexOf(game.values.clock.GameDate);
  if (synced_ && company_ == &c && booksVersion_ == c.books.version() && money_ == c.Money &&
      month_ == month)
    return;
  synced_ = true;
  company_ = &c;
  booksVersion_ = c.books.version();
  money_ = c.Money;
  month_ = month;

  const bool atEnd = table_->horizontalScrollBar()->value() == table_->horizontalScrollBar()->maximum();
  std::vector<std::pair<int, int>> changed;
  if (model_->setTable(game, financeTable(game), changed)) {
    fitColumns();
  } else {
    // A column is fitted anew only when a figure grows wider than the widest it
    // was fitted to.
    for (const auto& [column, width] : changed) {
      auto& fitted = fittedWidths_[static_cast<size_t>(column)];
      if (width <= fitted) continue;
      table_->resizeColumnToContents(column);
      fitted = model_->widestFigure(column);
    }
  }
  const FinanceTable& t = model_->table();
  // The chart: a point a month, at the month's number counted from January of the
  // year the books begin in; the expenses as a positive amount.
  incomeLine_.clear();
  expenseLine_.clear();
  moneyLine_.clear();
  const FinanceRow* income = t.row(FinanceRowKind::IncomeTotal);
  const FinanceRow* expense = t.row(FinanceRowKind::ExpenseTotal);
  const FinanceRow* money = t.row(FinanceRowKind::ClosingMoney);
  const MonthIndex january = t.months.empty() ? 0 : t.months.front() - t.months.front() % 12;
  for (size_t i = 0; i < t.months.size(); ++i) {
    const auto x = static_cast<double>(t.months[i] - january + 1);
    incomeLine_.push_back({x, income->values[i].units()});
    expenseLine_.push_back({x, -expense->values[i].units()});
    moneyLine_.push_back({x, money->values[i].units()});
  }
  const double last = moneyLine_.empty() ? 12 : moneyLine_.back().first;
  const XYPlot::Range bottom{std::max(0.0, last - 13), std::max(13.0, last + 1)};
  if (chart_->axisRange(XYPlot::Axis::Bottom).min != bottom.min ||
      chart_->axisRange(XYPlot::Axis::Bottom).max != bottom.max)
    chart_->setAxisRange(XYPlot::Axis::Bottom, bottom.min, bottom.max);
  chart_->dataChanged();
  // The newest months stay in view as they come (once the table has laid out its
  // new columns).
  if (atEnd) QTimer::singleShot(0, this, &FinanceWindow::scrollToNewest);
}

void FinanceWindow::fitColumns() {
  table_->resizeColumnsToContents();
  table_->resizeRowsToContents();
  table_->verticalHeader()->resizeSections(QHeaderView::ResizeToContents);
  fittedWidths_.clear();
  for (int c = 0; c < model_->columnCount(); ++c) fittedWidths_.push_back(model_->widestFigure(c));
}

void FinanceWindow::scrollToNewest() {
  table_->horizontalScrollBar()->setValue(table_->horizontalScrollBar()->maximum());
}

void FinanceWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    emit helpRequested(kHelpTopic);
    return;
  }
  QDialog::keyPressEvent(event);
}

void FinanceWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  table_->setFocus();
  // The current month and the total are what the player opens the window for; the
  // keyboard starts on the current month's result rather than on a heading.
  const std::vector<FinanceRow>& rows = model_->table().rows;
  const auto kindOf = [&rows](int row) {
    return row >= 0 && static_cast<size_t>(row) < rows.size() ? rows[static_cast<size_t>(row)].kind
                                                                : FinanceRowKind::Incomes;
  };
  const FinanceRowKind current = kindOf(table_->currentIndex().row());
  if ((current == FinanceRowKind::Incomes || current == FinanceRowKind::Expenses) &&
      model_->columnCount() >= 2) {
    for (int r = 0; r < model_->rowCount(); ++r)
      if (kindOf(r) == FinanceRowKind::Result) table_->setCurrentIndex(model_->index(r, model_->columnCount() - 2));
  }
  scrollToNewest();
}

}  // namespace kelpmark::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/report_window.h"

#include <QKeyEvent>
#include <QSvgWidget>

#include "commands/program.h"
#include "ui/shown_text.h"
#include "ui/window_look.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"
#include "widgets/xy_plot.h"

namespace kelpmark::ui {

using widgets::XYPlot;

ReportWindow::ReportWindow(Program& program, QWidget* parent)
    : QDialog(parent), program_(program), chart_(new XYPlot(this)) {
  setWindowTitle(tr("Отчеты"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(510, 264);
  setDialogBackground(this);
  auto* background = new QSvgWidget(QStringLiteral(":/art/report_background.svg"), this);
  background->setGeometry(0, 0, 510, 264);
  background->lower();

  for (size_t i = 0; i < kReportLabelCount; ++i) {
    auto* l = new widgets::ShadowLabel(this);
    l->setGeometry(6, 12 + 24 * static_cast<int>(i), 245, 16);
    l->setFont(arialPx(12));
    labels_[i] = l;
  }
  chart_->setGeometry(252, 8, 251, 211);
  chart_->setAccessibleName(tr("График доходов и расходов"));
  chart_->addSeries(QColor(128, 0, 0), XYPlot::Axis::Left, tr("Расходы"));
  chart_->addSeries(QColor(0, 128, 0), XYPlot::Axis::Left, tr("Доходы"));
  chart_->setAxisRange(XYPlot::Axis::Left, 0, 10.25);
  chart_->setAxisAutoScale(XYPlot::Axis::Left, true);
  chart_->setAxisTickCount(XYPlot::Axis::Left, 6);
  chart_->setAxisGrid(XYPlot::Axis::Left, XYPlot::GridStyle::Dotted, QColor(Qt::black));
  chart_->setAxisRange(XYPlot::Axis::Right, 0, 1);
  chart_->setAxisTickCount(XYPlot::Axis::Right, 6);
  chart_->setAxisRange(XYPlot::Axis::Bottom, 0, 12);
  chart_->setAxisCaption(XYPlot::Axis::Bottom, tr("Месяц"));
  chart_->setAxisGrid(XYPlot::Axis::Bottom, XYPlot::GridStyle::Solid, QColor(190, 190, 190));

  auto* ok = new widgets::GradientButton(QStringLiteral("Ok"), this);
  ok->setGeometry(144, 230, 97, 22);
  connect(ok, &widgets::GradientButton::clicked, this, &QDialog::accept);
  auto* help = new widgets::GradientButton(QStringLiteral("Help"), this);
  help->setGeometry(264, 230, 97, 22);
  // Once help is closed, Return presses "Ok" again: the keyboard goes back to it.
  connect(help, &widgets::GradientButton::clicked, this, [this, ok] {
    ok->setFocus();
    emit helpRequested(40);
  });
  // Where the money went, month by month, over this window; back here after it.
  auto* finance = new widgets::GradientButton(tr("Финансы"), this);
  finance->setGeometry(384, 230, 97, 22);
  connect(finance, &widgets::GradientButton::clicked, this, [this, ok] {
    ok->setFocus();
    emit financeRequested();
  });
}

void ReportWindow::syncFromGame() {
  const TReportForm& form = program_.reportForm;
  for (size_t i = 0; i < kReportLabelCount; ++i)
    labels_[i]->setText(shown(form.labels[i]));
  chart_->setSeriesData(0, &form.line1.points);
  chart_->setSeriesData(1, &form.line2.points);
  chart_->dataChanged();
}

void ReportWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    emit helpRequested(40);
    return;
  }
  // "Ok" is the window's default button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kelpmark::ui

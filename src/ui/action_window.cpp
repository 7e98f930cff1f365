// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/action_window.h"

#include <QComboBox>
#include <QGroupBox>

#include "commands/program.h"
#include "engine/campaigns.h"
#include "ui/main_window.h"
#include "ui/window_look.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"

namespace kelpmark::ui {

using widgets::GradientButton;

namespace {

QGroupBox* group(QWidget* parent, const QString& title, int x) {
  auto* box = new QGroupBox(title, parent);
  box->setGeometry(x, 2, 217, 249);
  box->setFont(arialPx(12, true));
  box->setStyleSheet(QStringLiteral(
      "QGroupBox { color: #00FF00; border: 1px solid #00A000; border-radius: 3px;"
      " margin-top: 7px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }"));
  return box;
}

}  // namespace

ActionWindow::ActionWindow(Program& program, MainWindow& main)
    : SecondaryWindow(main, Control::ActionForm, QStringLiteral("Ваши действия"), 458, 257, 50),
      program_(program) {
  const TActionForm& form = program_.actionForm;
  QGroupBox* staff = group(this, QStringLiteral("Сотрудники "), 7);
  label(staff, 6, 18, 203, 17, QStringLiteral("Подразделение:"));
  QStringList departments;
  for (const char* d : TActionForm::kDepartments) departments << QString::fromUtf8(d);
  departments_ = comboBox(staff, 16, 36, 185, departments);
  auto* raise = button(staff, QStringLiteral("Поднять оклады"), 56, 68, 105);
  raise_ = label(staff, 6, 94, 206, 39, QString::fromStdString(form.SalaryLbl.text()));
  raise_->setWordWrap(true);
  raise_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  auto* premium = button(staff, QStringLiteral("Выдать премии"), 56, 140, 105);
  premium_ = label(staff, 6, 166, 206, 17, QString::fromStdString(form.PayPremLbl.text()));
  premium_->setAlignment(Qt::AlignCenter);
  auto* dismiss = button(staff, QStringLiteral("Распустить"), 56, 196, 105);
  label(staff, 6, 222, 205, 17, QStringLiteral("(бесплатно)"))->setAlignment(Qt::AlignCenter);

  QGroupBox* ads = group(this, QStringLiteral("Реклама "), 233);
  label(ads, 6, 18, 203, 17, QStringLiteral("Выберите акцию:"));
  QStringList campaigns;
  for (const CampaignInfo& c : kCampaigns) campaigns << QString::fromUtf8(c.name);
  campaigns_ = comboBox(ads, 16, 36, 185, campaigns);
  cost_ = label(ads, 5, 70, 208, 17, QString::fromStdString(form.AdCostLbl.text()));
  description_ = label(ads, 6, 94, 206, 91, QString::fromStdString(form.AdDescLbl));
  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  ready_ = label(ads, 6, 198, 208, 17, QString::fromStdString(form.AdReady.text()));
  order_ = button(ads, QStringLiteral("Провести!"), 56, 220, 105);

  connect(departments_, &QComboBox::activated, this,
          [this](int i) { perform(PlayerAction::choose(Control::ActionDivBox, i)); });
  connect(campaigns_, &QComboBox::activated, this,
          [this](int i) { perform(PlayerAction::choose(Control::ActionAdBox, i)); });
  connectClick(raise, Control::ActionUpSalBtn);
  connectClick(premium, Control::ActionPayPremBtn);
  connectClick(dismiss, Control::ActionGradBtn1);
  connectClick(order_, Control::ActionAdBtn);
}

void ActionWindow::syncFromGame() {
  const TActionForm& f = program_.actionForm;
  setComboIndex(departments_, f.DivBox);
  setComboIndex(campaigns_, f.AdBox);
  raise_->setText(QString::fromStdString(f.SalaryLbl.text()));
  premium_->setText(QString::fromStdString(f.PayPremLbl.text()));
  cost_->setText(QString::fromStdString(f.AdCostLbl.text()));
  description_->setText(QString::fromStdString(f.AdDescLbl));
  ready_->setText(QString::fromStdString(f.AdReady.text()));
  order_->setEnabled(f.AdBtnEnabled);
  followVisibility(f.visible);
}

}  // namespace kelpmark::ui

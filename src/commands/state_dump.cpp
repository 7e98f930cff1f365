// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/state_dump.h"

#include <cstdio>

#include "commands/program.h"
#include "model/save_file.h"
#include "model/text_format.h"

namespace kelpmark {

namespace {

std::string real(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

std::string chartLine(const char* name, const ChartLine& line) {
  std::string s = std::string("chart: ") + name + " " + std::to_string(line.points.size());
  if (line.points.empty()) return s + " - -";
  return s + " " + real(line.points.back().first) + " " + real(line.points.back().second);
}

}  // namespace

std::vector<std::string> dumpLines(const Program& p) {
  std::vector<std::string> lines;
  const Game& g = p.game;
  const TMainForm& main = p.mainForm;
  auto out = [&lines](const std::string& text) { lines.push_back(text); };
  out("--- dump");
  if (g.hasCompany())
    for (const std::string& line : SaveLines(g.corp(), g.values, g.ticker.firstLine()))
      out("save: " + line);
  out("MarketUse = " + std::to_string(g.hasCompany() ? g.corp().MarketUse : 0));
  out("SpeedLevel = " + std::to_string(main.SpeedLevel));
  out("TimerInterval = " + std::to_string(main.TimerInterval));
  out("ChartTick = " + std::to_string(g.values.clock.ChartTick));
  for (size_t i = 0; i < kMainLabelCount; ++i) {
    const auto l = static_cast<MainLabel>(i);
    out(std::string("label: ") + mainLabelName(l) + " " + main.label(l).text());
  }
  const SpinEdit& s = main.PSpn;
  out("PSpn = " + std::to_string(s.value) + " " + std::to_string(s.minValue) + " " +
      std::to_string(s.maxValue) + " " + std::to_string(s.increment) + " " +
      (main.spinEnabled() ? "1" : "0"));
  out("BargainedQuantity = " + std::to_string(main.BargainedQuantity));
  auto flag = [&out](const std::string& name, bool on) {
    out("enabled: " + name + (on ? " 1" : " 0"));
  };
  for (size_t i = 0; i < kMainButtonCount; ++i) {
    const auto b = static_cast<MainButton>(i);
    flag(mainButtonName(b), main.enabled(b));
  }
  const TPersForm& pers = p.persForm;
  const TBuildForm& build = p.buildForm;
  const TActionForm& action = p.actionForm;
  flag(controlName(Control::PersWokrersBtn), pers.WokrersBtnEnabled);
  flag(controlName(Control::PersFireBtn), pers.FireBtnEnabled);
  flag(controlName(Control::BuildForm), build.enabled);
  flag(controlName(Control::BuildRemBtn), build.RemBtnEnabled && build.enabled);
  flag(controlName(Control::BuildUpgBtn), build.UpgBtnEnabled && build.enabled);
  flag(controlName(Control::ActionAdBtn), action.AdBtnEnabled);
  flag("NewGameM", main.NewGameMEnabled);
  out(chartLine("Line1", main.chart.line1));
  out(chartLine("Line2", main.chart.line2));
  out(chartLine("Line3", main.chart.line3));
  out("chart: Bottom " + real(main.chart.bottomMin) + " " + real(main.chart.bottomMax));
  std::string report = "report: Line1 " + std::to_string(p.reportForm.line1.points.size());
  for (const auto& [x, y] : p.reportForm.line1.points) report += " " + real(x) + " " + real(y);
  out(report);

  auto value = [&out](const std::string& name, const std::string& v) { out(name + " = " + v); };
  value("PersForm.SelIndex", std::to_string(pers.SelIndex));
  value("PersForm.PersBox", std::to_string(pers.PersBox));
  for (size_t i = 0; i < pers.PersList.entries().size(); ++i)
    value("PersForm.PersList[" + std::to_string(i) + "]", pers.PersList[i].text);
  value("PersForm.Selected", std::to_string(pers.PersList.selected()));
  value("PersForm.TopPanel", pers.TopPanel.russian());
  value("PersForm.SalaryLbl", pers.SalaryLbl.text());
  value("PersForm.ExpGauge", std::to_string(pers.ExpGauge));
  value("PersForm.FunGauge", std::to_string(pers.FunGauge));
  for (size_t i = 0; i < pers.Status.size(); ++i)
    value("PersForm.Status[" + std::to_string(i) + "]", pers.Status[i].russian());

  value("BuildForm.SelIndex", std::to_string(build.SelIndex));
  value("BuildForm.BuildBox", std::to_string(build.BuildBox));
  for (size_t i = 0; i < build.BuildList.entries().size(); ++i)
    value("BuildForm.BuildList[" + std::to_string(i) + "]", build.BuildList[i].text);
  value("BuildForm.Selected", std::to_string(build.BuildList.selected()));
  value("BuildForm.TopPanel", build.TopPanel.russian());
  value("BuildForm.OffGauge", std::to_string(build.OffGauge));
  value("BuildForm.SalaryLbl", build.SalaryLbl.text());
  value("BuildForm.StoredLbl", build.StoredLbl.text());
  value("BuildForm.SallLbl", build.SallLbl.text());
  value("BuildForm.RemLbl", build.RemLbl.text());
  value("BuildForm.UpgLbl", build.UpgLbl.text());
  for (size_t i = 0; i < build.Status.size(); ++i)
    value("BuildForm.Status[" + std::to_string(i) + "]", build.Status[i].russian());

  value("ActionForm.DivBox", std::to_string(action.DivBox));
  value("ActionForm.SalaryLbl", action.SalaryLbl.text());
  value("ActionForm.PayPremLbl", action.PayPremLbl.text());
  value("ActionForm.AdBox", std::to_string(action.AdBox));
  value("ActionForm.AdCostLbl", action.AdCostLbl.text());
  value("ActionForm.AdDescLbl", action.AdDescLbl.russian());
  value("ActionForm.AdReady", action.AdReady.text());
  out("--- end");
  return lines;
}

std::vector<std::string> booksLines(const Program& p) {
  std::vector<std::string> lines{"--- books"};
  const Game& g = p.game;
  if (g.hasCompany()) {
    const TCorporation& c = g.corp();
    for (const BooksMonth& m : c.books.months(g.values.clock.GameDate, c.Money)) {
      lines.push_back("month " + monthText(m.month) + " opening " + formatMoney(m.opening) +
                      " closing " + formatMoney(m.closing));
      for (size_t k = 0; k < kMoneyCategoryCount; ++k)
        if (m.amounts[k] != Currency())
          lines.push_back(std::string(moneyCategoryId(static_cast<MoneyCategory>(k))) + " " +
                          formatMoney(m.amounts[k]));
    }
  }
  lines.push_back("--- end");
  return lines;
}

}  // namespace kelpmark

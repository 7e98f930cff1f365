// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every control a player action can name, and the main window's buttons among
// them, with the names scripts use.
#include <cstddef>
#include <optional>
#include <string>

namespace kelpmark {

// The main window's buttons, in the runner's order.
enum class MainButton {
  FishBtn, TorgBtn, MaxBtn, StopBtn, StorageBtn, LotBtn, ShopBtn, OfficeBtn, StuffBtn,
  SalerBtn, AccounterBtn, ManagerBtn, ActionsBtn, StatsBtn, WokrersBtn, BuildingsBtn,
  Count
};
constexpr size_t kMainButtonCount = static_cast<size_t>(MainButton::Count);
const char* mainButtonName(MainButton b);

// What a control is, and so which verb it takes: click, close, choose, select, spin.
enum class ControlKind { Button, Window, DropDown, List, SpinEdit };

// Every control a player action can name.
enum class Control {
  // The main window's buttons, in the order of MainButton.
  MainFishBtn, MainTorgBtn, MainMaxBtn, MainStopBtn, MainStorageBtn, MainLotBtn, MainShopBtn,
  MainOfficeBtn, MainStuffBtn, MainSalerBtn, MainAccounterBtn, MainManagerBtn, MainActionsBtn,
  MainStatsBtn, MainWokrersBtn, MainBuildingsBtn,
  // The clock label and the four speed lamps take clicks too.
  MainTimeLbl, MainImg1on, MainImg2on, MainImg3on, MainImg4on,
  MainPSpn,
  PersForm, PersUpBtn, PersLoBtn, PersWokrersBtn, PersBuildingsBtn, PersFireBtn, PersCloseBtn,
  PersGradBtn1, PersBox, PersList,
  BuildForm, BuildRemBtn, BuildUpgBtn, BuildFireBtn, BuildCloseBtn, BuildGradBtn1, BuildBox,
  BuildList,
  ActionForm, ActionUpSalBtn, ActionPayPremBtn, ActionGradBtn1, ActionAdBtn, ActionAdBox,
  ActionDivBox,
  None
};

// The window-qualified name scripts use ("MainForm.FishBtn", "PersForm").
const char* controlName(Control c);
ControlKind controlKind(Control c);
// The number of items of a drop-down list; 0 for any other control.
int controlItems(Control c);
// The control with that name, or Control::None.
Control controlNamed(const std::string& name);
Control controlOf(MainButton b);
// The main window button a control is, if it is one.
std::optional<MainButton> mainButtonOf(Control c);

}  // namespace kelpmark

// The main window's own behaviour: start-up, tab change, the scrolling panels, exit, the buttons
// and menu items that do nothing, and the wiring of every control event to its handler.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "calc/calculator.h"
#include "data/constant_tables.h"
#include "data/reference_tables.h"
#include "import/item_set_import.h"
#include "ui/main_window.h"

namespace gw {

class MainForm {
 public:
  // `data_folder` holds the five data files; nothing is read before Form_Load.
  explicit MainForm(std::filesystem::path data_folder);

  ui::MainWindow& window() { return *window_; }
  Calculator& calculator() { return calc_; }
  const ReferenceTables& reference() const { return *reference_; }

  // Once, before the window is first shown. A data file that cannot be read throws the
  // run-time error, and the window must then never be shown.
  void Form_Load();
  void SSTab1_Click(int16_t previous_tab);
  void VScrollFoc_Change();
  void VScrollFoc_Scroll();
  void VScrollSki_Change();
  void VScrollSki_Scroll();
  void cmdExit_Click();
  void ClearItem() {}

  // Present but without effect.
  void cmdLoadItem_Click() {}
  void cmdSaveItem_Click() {}
  void cmdSwapItem_Click() {}
  void mnuAlc_Click() {}
  void mnuAC_Click() {}
  void mnuFlet_Click() {}
  void mnuGW_Click() {}
  void mnuTail_Click() {}
  void mnuWC_Click() {}

  void mnuOpen_Click();
  // Imports an item set chosen another way (the command line, a drop) just as "Open..." does
  // once its dialog has closed.
  ImportOutcome OpenItemSet(const std::filesystem::path& path);
  void cmdSearch_Click();

  // The arrow step of both scrolling panels, in twips: fixed, and smaller than either page.
  static constexpr int kScrollSmallStep = 120;

 private:
  void Wire();

  std::filesystem::path data_folder_;
  std::unique_ptr<ui::MainWindow> window_;
  std::unique_ptr<ReferenceTables> reference_;
  ConstantTables constants_;
  Calculator calc_;
};

}  // namespace gw

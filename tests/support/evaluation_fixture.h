// A main window wired to the evaluation over reference tables that each test fills itself.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/wiring.h"
#include "calc/calculator.h"
#include "data/constant_tables.h"
#include "data/reference_tables.h"
#include "ui/main_window.h"

namespace gw::test {

class EvaluationTest : public ::testing::Test {
 protected:
  EvaluationTest() {
    InitConst(constants);
    WireEvaluation(w, calc);
  }

  // Chooses a gem slot's type, then (when given) its effect and amount, as a player would.
  void ChooseGem(int slot, int type, int amount_index = -1, int effect = -1) {
    w.cboType[slot].SetListIndex(type);
    if (effect >= 0) w.cboEffect[slot].SetListIndex(effect);
    if (amount_index >= 0) w.cboAmount[slot].SetListIndex(amount_index);
  }

  // Gives gem type `type` the amount `amount` at gem level `level`.
  void SetAmount(int type, int level, int amount) {
    ref.GemAmountTable(type, level).Amount = static_cast<uint8_t>(amount);
  }

  ui::MainWindow w;
  ReferenceTables ref;
  ConstantTables constants;
  Calculator calc{w, ref, constants};
};

}  // namespace gw::test

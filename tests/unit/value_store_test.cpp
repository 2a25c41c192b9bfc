#include "app/value_store.h"

#include <gtest/gtest.h>

#include "platform/failure.h"

namespace kelvoro {
namespace {

TEST(ValueStore, HoldsTheValueLabelsAloneFromTheirLayoutCaptionsOn) {
  ValueStore store;
  EXPECT_EQ("%SystemRoot%\\System32\\shell32.dll,31", store.Get(Control::emplabel));
  EXPECT_EQ("", store.Get(Control::txtvoicestat));
  store.Set(Control::txtvoicestat, "1");
  EXPECT_EQ("1", store.Get(Control::txtvoicestat));
  EXPECT_EQ("defvoice", store.Get(Control::lbldefvoice));
  for (const Control visible : {Control::Form1, Control::Check1, Control::Image4}) {
    EXPECT_FALSE(ValueStore::Holds(visible));
    EXPECT_THROW(store.Get(visible), Failure) << NameOf(visible);
    EXPECT_THROW(store.Set(visible, "x"), Failure) << NameOf(visible);
  }
}

}  // namespace
}  // namespace kelvoro

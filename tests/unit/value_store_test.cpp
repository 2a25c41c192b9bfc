#include "app/value_store.h"

#include <gtest/gtest.h>

#include "platform/failure.h"

namespace kelvoro {
namespace {

TEST(ValueStore, HoldsTheValueLabelsAloneFromTheirLayoutCaptionsOn) {
  ValueStore store;
  EXPECT_EQ("defvoice", store.Get(Control::lbldefvoice));
  store.Set(Control::txtvoicestat, "1");
  EXPECT_EQ("1", store.Get(Control::txtvoicestat));
  EXPECT_THROW(store.Get(Control::Check1), Failure);
  EXPECT_THROW(store.Set(Control::Form1, "x"), Failure);
}

}  // namespace
}  // namespace kelvoro

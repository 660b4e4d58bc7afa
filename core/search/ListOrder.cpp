#include "core/search/ListOrder.h"

#include <algorithm>
#include <numeric>

#include "core/text/SakhaOrder.h"

namespace sahdict {

int32_t RowOrder::FirstRow(const std::u16string& canonical) const {
  const auto it = std::lower_bound(keys.begin(), keys.end(), SakhaOrderKey(canonical));
  return it == keys.end() ? -1 : static_cast<int32_t>(it - keys.begin());
}

RowOrder BuildSakhaOrder(const DictStore& store, const std::u16string& pair) {
  const int32_t count = store.GetPairCount(pair);
  std::vector<std::u16string> keys(static_cast<size_t>(count));
  for (int32_t p = 1; p <= count; ++p) keys[static_cast<size_t>(p - 1)] = SakhaOrderKey(store.WordAt(p, pair).Text());
  RowOrder order;
  order.positions.resize(keys.size());
  std::iota(order.positions.begin(), order.positions.end(), 1);
  const auto key = [&](int32_t position) -> const std::u16string& { return keys[static_cast<size_t>(position - 1)]; };
  std::stable_sort(order.positions.begin(), order.positions.end(),
                   [&](int32_t a, int32_t b) { return key(a) < key(b); });
  order.rows.resize(keys.size());
  order.keys.reserve(keys.size());
  for (size_t row = 0; row < order.positions.size(); ++row) {
    const auto at = static_cast<size_t>(order.positions[row] - 1);
    order.rows[at] = static_cast<int32_t>(row);
    order.keys.push_back(std::move(keys[at]));
  }
  return order;
}

std::shared_ptr<const RowOrder> ListOrders::SakhaOrder(const DictStore& store, const std::u16string& pair) {
  if (store.ChangeStamp() != stamp_) {
    orders_.clear();
    stamp_ = store.ChangeStamp();
  }
  auto& order = orders_[pair];
  if (!order) order = std::make_shared<const RowOrder>(BuildSakhaOrder(store, pair));
  return order;
}

}  // namespace sahdict

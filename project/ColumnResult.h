// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DesignRecord.h"
#include "project/ColumnEntry.h"

#include <cstdint>
#include <optional>
#include <string>

namespace project {

enum class Verdict {
  Passes,
  Fails,
  NotChecked, // the check stopped with a failure; nothing is known of the column
};

// What the check says of one column of a project.
struct ColumnResult {
  Verdict verdict = Verdict::NotChecked;
  std::optional<engine::DesignRecord> record; // none when the check failed
  std::string failure;                        // the failure's name when it did
  std::optional<double> utilisation;          // load over the exact capacity

  std::optional<std::int32_t> maxAxialForceKg() const {
    return wholeQuantity(&engine::DesignRecord::maxAxialForce);
  }
  std::optional<std::int32_t> plateSideCm() const {
    return wholeQuantity(&engine::DesignRecord::plateSide);
  }
  std::optional<std::int32_t> plateThicknessMm() const {
    return wholeQuantity(&engine::DesignRecord::plateThicknessMm);
  }

private:
  std::optional<std::int32_t>
  wholeQuantity(engine::OptionalWhole engine::DesignRecord::*quantity) const {
    return record ? (*record).*quantity : std::nullopt;
  }
};

// Checks one column; a failure of the check becomes the result's failure, not an exception.
ColumnResult CheckEntry(const ColumnEntry& entry);

} // namespace project

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window/QtHostServices.h"

#include <string>

// The Qt host, except that no browser starts.
class TestHost : public ui::QtHostServices {
public:
  using QtHostServices::QtHostServices;
  bool OpenAddress(const std::string&) override { return true; }
};

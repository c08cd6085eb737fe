// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A PageHost that records what a page asks of the main window, so that a page
// can be tested on its own.
#pragma once

#include "pages/PropPage.h"

class FakePageHost : public PageHost {
 public:
  int commitCalls = 0;
  int contaminantsMarked = 0;

  int CommitPageEdits() override {
    ++commitCalls;
    return 1;
  }
  void MarkContaminantsPageModified() override { ++contaminantsMarked; }
};

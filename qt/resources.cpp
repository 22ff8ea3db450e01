// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initNumiraResources() {
    Q_INIT_RESOURCE(numira);
}

namespace numira {

void initResources() {
    initNumiraResources();
}

}  // namespace numira

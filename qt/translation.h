// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

class QCoreApplication;

namespace numira {

// Installs Qt's own Bulgarian translation (qtbase_bg.qm from Qt's translations folder) on
// the application, whatever the locale, so the standard dialogs speak the language of the
// rest of the window. Returns false when the file is missing; the program goes on untranslated.
bool installQtTranslation(QCoreApplication& app);

}  // namespace numira

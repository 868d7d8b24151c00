#pragma once

class QCoreApplication;
class QLocale;

namespace kebo::qt {

// Loads Qt's own translations for `locale` (the labels of the message box buttons, among
// others) into `app`; with none installed for it, Qt's English texts stay.
void installQtTranslations(QCoreApplication& app, const QLocale& locale);

}  // namespace kebo::qt

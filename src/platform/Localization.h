#pragma once

#include <QString>

// User-visible texts by key, from the table in the program's resources; "" for an unknown key.
QString LocalizedString(const QString& key);

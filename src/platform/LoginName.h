#pragma once

#include <QString>

// The name this process's user logs in with, as the password database holds it for the real
// user id. $USER is only a hint a shell passes on: it is missing under cron, systemd units and
// `env -i`, and names someone else after `su`; the folders named after the user (a Wine
// prefix's drive_c/users/NAME, /media/NAME) follow the account. $USER is used only when the
// database has no entry for the id (a container run with an arbitrary uid). Empty when
// neither knows.
QString LoginName();

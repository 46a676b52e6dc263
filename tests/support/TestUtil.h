#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

// A folder that lives as long as the test, with helpers to drop files into it.
class Sandbox
{
public:
    Sandbox();
    QString path(const QString& name) const;
    QString write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir mDir;
};

// Runs the main thread's event loop until the condition holds or the time is up; false on timeout.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

// Delivers posted events that are already queued, without waiting for more.
void DrainPostedEvents();

QString TestDataPath(const QString& name);

// The read cases in tests/read: each brush file's name without ".abr", in name order; only those
// whose expected outcome has withKey when one is given.
std::vector<std::string> ReadCaseNames(const QString& withKey = {});
// The case's name as a test name: letters, digits and underscores only.
std::string ReadCaseTestName(std::string name);
// The case's expected outcome (<name>.json); empty when there is none or it does not parse.
QJsonObject ExpectedOutcome(const QString& name);
// The program was started with --write-expected: read cases record what they read instead of
// comparing it (tests/read/README.md).
bool WritingExpected();

// Qt starts programs with a clone() that ThreadSanitizer does not see; after one, the tool loses
// track of the locks of the whole test process and reports races that are not there. Tests that
// start programs check what the programs print, not threads, so that build leaves them out.
#if defined(__SANITIZE_THREAD__)
#define SKIP_WHEN_STARTING_PROGRAMS_CONFUSES_THREAD_SANITIZER()                                    \
    GTEST_SKIP() << "starts a program, which ThreadSanitizer cannot follow"
#else
#define SKIP_WHEN_STARTING_PROGRAMS_CONFUSES_THREAD_SANITIZER() static_cast<void>(0)
#endif

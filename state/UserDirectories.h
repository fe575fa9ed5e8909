#pragma once

#include <QByteArray>
#include <QString>

// An XDG base directory: the variable's value when it is an absolute path, else homeDefault under the
// home directory. A relative value is invalid by the XDG rules: honouring it would tie our files to the
// working directory. Without a homeDefault (XDG_RUNTIME_DIR) the result is then empty.
QString XdgBaseDirectory(const char* variable, const char* homeDefault);

// A real directory (not a link to one) that we own and nobody else may write into.
bool IsPrivateDirectory(const QString& path);

// Where the program keeps what lasts as long as the login (its lock, the sound it is to give back): the
// test suites' own place (TESSALY_TEST_LOCK_DIR) when private, else the runtime directory /run/user/<uid>
// by its fixed place (not XDG_RUNTIME_DIR: a start from ssh, su or cron inherits another value or none), else
// a private directory of ours under the cache directory, made when missing. Empty when none is private.
QString PrivateRuntimeDirectory();

// A file beside the running program, by its full path: a module loaded from there (a sanitizer's dlopen
// would not look there by itself).
QByteArray BesideProgram(const char* fileName);

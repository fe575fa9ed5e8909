#pragma once

#include <QString>

// An XDG base directory: the variable's value when it is an absolute path, else homeDefault under the
// home directory. A relative value is invalid by the XDG rules: honouring it would tie our files to the
// working directory. Without a homeDefault (XDG_RUNTIME_DIR) the result is then empty.
QString XdgBaseDirectory(const char* variable, const char* homeDefault);

#pragma once

#include "clicommon.h"

// The commands on the game's objects: list, text and new. Each returns its exit status;
// a failure of the game's files comes out as a UserError.
namespace zantrel::cli {

int listObjects(const Options& o);
int objectText(const Options& o);
int newObject(const Options& o);

} // namespace zantrel::cli

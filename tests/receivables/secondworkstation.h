#pragma once
// A second workstation for the posting tests: posts every document waiting, retrying a locked
// table until it is free, and prints how many it posted; exits 1 when the pass stopped. With
// --slow MS it pauses after each block, so that a test can stop it in the middle of a pass.
//
//   PROGRAM sqlite:FILE|pg:KEYWORDS;schema=S [--slow MS]

#include <functional>

class Database;
class Dialogs;
class Progress;

namespace testdb
{
// What one pass posted, and whether it stopped before the end.
struct SecondWorkstationPass {
    int posted = 0;
    bool stopped = false;
};

int runSecondWorkstation(
    int argc, char** argv, const char* program,
    const std::function<SecondWorkstationPass(Database&, Dialogs&, Progress&)>& pass);
} // namespace testdb

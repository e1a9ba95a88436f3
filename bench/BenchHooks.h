#pragma once

class Application;

// In the benchmark build of the program only: report start-up, or peak memory after one reading and one report.
// Linked into that build, the hook sets itself on the application object before main runs.
void benchAfterStart(Application& app);

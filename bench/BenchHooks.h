#pragma once

class Application;

// In the benchmark build of the program only: report start-up, or peak memory after one reading and one report.
void benchAfterStart(Application& app);

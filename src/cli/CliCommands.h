#pragma once

struct CliOptions;

// Runs the chosen command; returns the exit status.
int runCliCommand(const CliOptions &options);

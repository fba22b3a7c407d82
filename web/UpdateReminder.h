#pragma once

// Once per run, before any window: when the last reminder lies more than two weeks away from
// today, asks whether to look for a newer version and opens the download page on Yes.
namespace UpdateReminder {

void check();

} // namespace UpdateReminder

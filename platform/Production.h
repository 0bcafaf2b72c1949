#pragma once

#include "InstanceGuard.h"
#include "MessageBox.h"
#include "OpenFileDialog.h"
#include "ProcessControl.h"
#include "SaveFileDialog.h"
#include "SettingsStore.h"
#include "UrlOpener.h"
#include "WebSearch.h"

// The layers the program uses outside tests, one per process, created on first use.
namespace platform {

MessageBox& productionMessageBox();
OpenFileDialog& productionOpenFileDialog();
UrlOpener& productionUrlOpener();
WebSearch& productionWebSearch();
SettingsStore& productionSettingsStore();
InstanceGuard& productionInstanceGuard();
ProcessControl& productionProcessControl();
SaveFileDialog& productionSaveFileDialog();

} // namespace platform

#pragma once

// Every kind of control a form can hold, in one include.
#include "platform/ui/caption.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/dir_list_box.h"
#include "platform/ui/drive_list_box.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/grid.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/option_button.h"
#include "platform/ui/panel.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/text_box.h"
#include "platform/ui/toolbar.h"

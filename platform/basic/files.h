#pragma once

// Everything the program does with files, in one include.
#include "platform/basic/atomic_write.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/path_text.h"
#include "platform/basic/program_folder.h"
#include "platform/basic/random_access_file.h"
#include "platform/basic/records.h"
#include "platform/basic/sequential_reader.h"
#include "platform/basic/sequential_writer.h"

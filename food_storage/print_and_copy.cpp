// "&Print" and "&Copy" of the storage table.
#include "food_storage/storage_window.h"

namespace food_storage {

void Form24::Command1_Click() {
    HideDatePicker();
    // TODO(merge): the storage printout's preview opens here.
}

void Form24::mOPrt_Click() { Command1_Click(); }

void Form24::mOCopy_Click() {
    HideDatePicker();
    // TODO(merge): the storage table's copy to the clipboard goes here.
}

}  // namespace food_storage

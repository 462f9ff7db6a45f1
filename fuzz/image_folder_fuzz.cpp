// Fuzz target: the image picker filling itself from a folder's files, one file of any content beside a
// subfolder.
#include "FuzzSupport.h"
#include "controls/dropdown/QvImagePickerDropDown.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static TQvImagePickerDropDown* picker = new TQvImagePickerDropDown(nullptr);
    // The first byte picks the name the file carries; the rest is the file.
    static const char* const names[] = {"a.png", "b.jpg", "c.bmp", "d.txt", "e"};
    const QString folder = qvfuzz::WorkDir() + "/pictures";
    QDir(folder).removeRecursively();
    if (!QDir().mkpath(folder + "/sub.png")) std::abort();
    const QString name = QString::fromLatin1(names[data[0] % 5]);
    qvfuzz::WriteInput("pictures/" + name, data + 1, size - 1);
    picker->Items()->Clear();
    if (picker->AddImagesFromFolder(folder + "/*", true) != 1 || picker->Items()->Count() != 1) std::abort();
    const TImageItem* item = picker->Items()->Items(0);
    // A caption only for a file that read as a picture.
    const bool read = item->Image()->Graphic() != nullptr;
    if (read != (item->Caption() == name)) std::abort();
    return 0;
}

#pragma once

// Kinds of operation that the client names in its success, failure and not-supported notifications.
// The values are fixed: the status texts are looked up by them.
enum TCmdType {
    cmdChangeDir = 0,
    cmdMakeDir = 1,
    cmdDelete = 2,
    cmdRemoveDir = 3,
    cmdList = 4,
    cmdRename = 5,
    cmdUpRestore = 6,
    cmdDownRestore = 7,
    cmdDownload = 8,
    cmdUpload = 9,
    cmdAppend = 10,
    cmdReInit = 11,
    cmdAllocate = 12,
    cmdNList = 13,
    cmdDoCommand = 14,
    cmdCurrentDir = 15
};

// Transfer type "local, 8-bit bytes": the file's bytes travel unchanged.
inline constexpr int MODE_BYTE = 3;

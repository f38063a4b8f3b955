// Where Help writes the manual out: the folders it tries in turn, the folders to create on the
// way to one, when a file there is used or written, and the text that names the folders in
// the message when none would do.
#pragma once

#include <string>
#include <vector>

// A folder the manual may be written to: `sub` (made as needed) below `base` (which exists).
struct ManualFolder {
    std::string base;
    std::string sub;
};

// `path` without the slashes that end it, a drive's root ("C:\") excepted.
std::string WithoutTrailingSlash(std::string path);

// The folders in the order they are tried: the user's local application data (`localAppData`,
// "" when unknown) under the settings key's names, `company`\`product`, then the temporary
// folder (`temp`, "" when unknown) under `product`. One whose base is unknown, or the first
// without a company, is left out.
std::vector<ManualFolder> ManualFolderChoices(const std::string& localAppData, const std::string& company,
                                              const std::string& product, const std::string& temp);

// The way to `base`\`sub`: the folders to create one after the other (each part of `sub`
// below the one before; empty parts go) and the folder reached, which is the base itself
// when `sub` has no part.
struct FolderChain {
    std::vector<std::string> steps;
    std::string folder;
};
FolderChain FolderChainOf(const ManualFolder& folder);

// "base\sub; base\sub" of every folder, as the message names the folders tried.
std::string FoldersText(const std::vector<ManualFolder>& folders);

// The file system as writing the manual out sees it (the Win32 side lays it over the real
// one, with the manual the program carries).
class IManualFiles {
public:
    // Creates the folder `path`; true also when it is there already.
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // Whether the file `path` holds the manual exactly.
    virtual bool HoldsManual(const std::string& path) = 0;
    // Writes the manual to `path`, leaving no file behind when that fails.
    virtual bool WriteManual(const std::string& path) = 0;

protected:
    ~IManualFiles() = default;
};

// The folder `folder` names, created with the folders on the way as needed; "" when one
// cannot be created or what is there is no folder.
std::string MakeFolder(IManualFiles& files, const ManualFolder& folder);

// The manual's file (`fileName`) in the first of `folders` that can be had where it is
// already as the program carries it, or else can be written; a file that differs is
// written over. "" when no folder will do; `tried` then names them all (FoldersText).
std::string PlaceManual(IManualFiles& files, const std::vector<ManualFolder>& folders, const std::string& fileName,
                        std::string* tried);

// Where Help writes the manual out: the folders it tries in turn, the folders to create on the
// way to one, and the text that names them in the message when none would do.
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

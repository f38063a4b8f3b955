#include "platform/manual_folders.h"

std::string WithoutTrailingSlash(std::string path)
{
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}

std::vector<ManualFolder> ManualFolderChoices(const std::string& localAppData, const std::string& company,
                                              const std::string& product, const std::string& temp)
{
    std::vector<ManualFolder> folders;
    if (!localAppData.empty() && !company.empty())
        folders.push_back({localAppData, company + "\\" + product});
    if (!temp.empty())
        folders.push_back({temp, product});
    return folders;
}

FolderChain FolderChainOf(const ManualFolder& folder)
{
    FolderChain chain;
    std::string path = WithoutTrailingSlash(folder.base);
    const std::string& sub = folder.sub;
    std::size_t start = 0;
    while (start <= sub.size()) {
        const std::size_t end = sub.find('\\', start);
        const std::string part = sub.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!part.empty()) {
            path += "\\" + part;
            chain.steps.push_back(path);
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    chain.folder = path;
    return chain;
}

std::string FoldersText(const std::vector<ManualFolder>& folders)
{
    std::string text;
    for (const ManualFolder& folder : folders)
        text += (text.empty() ? "" : "; ") + WithoutTrailingSlash(folder.base) + "\\" + folder.sub;
    return text;
}

std::string MakeFolder(IManualFiles& files, const ManualFolder& folder)
{
    const FolderChain chain = FolderChainOf(folder);
    for (const std::string& step : chain.steps)
        if (!files.CreateFolder(step))
            return std::string();
    return files.IsFolder(chain.folder) ? chain.folder : std::string();
}

std::string PlaceManual(IManualFiles& files, const std::vector<ManualFolder>& folders, const std::string& fileName,
                        std::string* tried)
{
    for (const ManualFolder& folder : folders) {
        const std::string dir = MakeFolder(files, folder);
        if (dir.empty())
            continue;
        const std::string path = dir + "\\" + fileName;
        if (files.HoldsManual(path) || files.WriteManual(path))
            return path;
    }
    if (tried)
        *tried = FoldersText(folders);
    return std::string();
}

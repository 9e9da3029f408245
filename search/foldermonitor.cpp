#include "search/foldermonitor.h"

#include "search/getchangefolder.h"

FolderMonitor::FolderMonitor(MonitorRequests& requests, const QString& watchFolder,
                             const QString& programFolder)
    : thread_(std::make_unique<GetChangeFolder>(watchFolder, requests))
{
    thread_->setProgramFolder(programFolder);
    thread_->start();
}

FolderMonitor::~FolderMonitor()
{
    stop();
}

void FolderMonitor::RetargetMonitor(const QString& folder)
{
    if (!hasEnded())
        thread_->RetargetMonitor(folder);
}

void FolderMonitor::stop()
{
    thread_->requestStop();
    thread_->wait();
}

bool FolderMonitor::hasEnded() const
{
    return thread_->isFinished();
}

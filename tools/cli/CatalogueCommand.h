#pragma once

#include <QStringList>

// "tomewright-cli catalogue ...": arguments after the word "catalogue"; returns the exit status.
int runCatalogueCommand(const QStringList& arguments);

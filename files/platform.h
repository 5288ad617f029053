/*
 * Inside the file layer: the steps of a save that each platform does its
 * own way. Nothing outside files/ uses them.
 */
#ifndef PELMORA_FILES_PLATFORM_H
#define PELMORA_FILES_PLATFORM_H

#include <cstdio>

/* Forces what was written to the stream (already flushed) onto the disk;
   1 when the platform says it is there. */
int CommitToDisk(std::FILE *stream);
/* Puts source (a file in the same folder) in target's place in one step;
   on failure target is as it was. */
int MoveIntoPlace(const char *source, const char *target);
/* Drops a read-only mark, so that the file can be replaced or deleted. */
void MakeWritable(const char *path);

#endif

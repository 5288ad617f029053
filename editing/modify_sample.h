/*
 * Inside editing: what the deletion tells an open Modify form.
 */
#ifndef PELMORA_MODIFY_SAMPLE_H
#define PELMORA_MODIFY_SAMPLE_H

/* A list lost an entry: an open Modify form on that list closes without
   writing, so it never writes into an entry that moved or vanished. */
void NotifyCategoryListChanged(int style, int category);

#endif

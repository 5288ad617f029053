#include "editing/form_text.h"

#include <cstdio>

#include "database/database_texts.h"

const char CATEGORY_FULL_MESSAGE[] = "La catégorie est pleine : le sample n'a pas été ajouté !";

/* The inner double quotes belong to the question, and so do the blanks that
   widen its message box. */
#define DELETE_QUESTION_FORMAT "Etes-vous sûr de vouloir supprimer le sample \"%s %s\" ?" BLANKS_18

void CleanFormTexts(FormTexts *texts)
{
    if (!texts)
        return;
    RemoveChar('"', texts->nameLine1);
    RemoveChar('"', texts->nameLine2);
    RemoveChar('"', texts->duration);
    RemoveChar('"', texts->path);
}

SampleFields AddedSampleFields(const FormTexts &texts)
{
    SampleFields fields = {};
    fields.path = texts.path;
    fields.duration = texts.duration;
    fields.nameLine1 = texts.nameLine1;
    fields.nameLine2 = texts.nameLine2;
    return fields;
}

/* The form texts are exactly as wide as the fields, so nothing is cut. */
int StoreFormTexts(SampleRecord *record, const FormTexts &texts)
{
    if (!record)
        return 0;
    std::snprintf(record->duration, sizeof record->duration, "%s", texts.duration);
    std::snprintf(record->nameLine1, sizeof record->nameLine1, "%s", texts.nameLine1);
    std::snprintf(record->nameLine2, sizeof record->nameLine2, "%s", texts.nameLine2);
    std::snprintf(record->path, sizeof record->path, "%s", texts.path);
    return 1;
}

int IsEditableSlot(const CategoryList *list, int index)
{
    if (!list || index < 0 || index >= list->count || index >= MAX_SAMPLES_PER_CATEGORY)
        return 0;
    return list->slots[index].used == 1;
}

int FormatDeleteQuestion(const SampleRecord &record, char *out, std::size_t capacity)
{
    if (!out || capacity == 0)
        return 0;
    const int length = std::snprintf(out, capacity, DELETE_QUESTION_FORMAT, record.nameLine1, record.nameLine2);
    return length >= 0 && static_cast<std::size_t>(length) < capacity;
}

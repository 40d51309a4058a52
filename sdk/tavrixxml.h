#pragma once

// The XML store of profiles, macros and advanced keys.
//
// Conventions of every call:
// - Texts are 8-bit byte strings passed as `const QByteArray &`, so a char buffer,
//   a string literal or a QByteArray can be handed over as it is. File paths are
//   in the local code page (QFile::encodeName), indexes and numbers are decimal
//   Latin-1 text, names and captions UTF-8. Texts are kept whole, whatever their
//   length; only the fixed-size records truncate, at a UTF-8 character boundary.
// - Write calls return true when the file holds the change afterwards. Every
//   write replaces the whole file through a synced temporary file: a crash or a
//   full disk leaves the previous file.
// - A file that does not parse makes every call on it fail (false, -1 or nothing
//   added to the list) and is never overwritten; the read that finds it broken
//   writes one debug line naming it. CTavrixXML_LastFailure says why a call failed.
// - Lists are appended to; callers hand them over empty. Records filled through a
//   pointer are left as they were when there is nothing to fill.
// - Parsed files are kept in memory and re-read only when they change on disk,
//   so repeated reads (one key item per call) cost no parse.
// - Profiles of a layer file: at most 10. Advanced keys: at most 40.
//
// All calls are made on the GUI thread; they are nevertheless serialised
// internally.

#include "advancedkeys/seniorkeyinfo.h"
#include "devicepage/customlightdatainfo.h"
#include "devicepage/profilenode.h"
#include "devicepage/profilenodeinfo.h"
#include "devicepage/profilesleeptimeinfo.h"
#include "keys/keyoperateinfo.h"
#include "lighting/colorinfodata.h"
#include "lighting/customlightnodeinfo.h"
#include "macros/macroeventitem.h"
#include "macros/macronode.h"
#include "sdk/tavrixxmlfailure.h"
#include "sdk/tavrixxmlrecords.h"

#include <QByteArray>
#include <QList>

// ---- Store files and profiles of a layer file ----

// Collects the changes of every store call on path in memory, from its making to
// commit(), which writes the file once: a kill or a full disk on the way leaves
// the file as it was. Reads of path in between see the collected changes. A batch
// that ends uncommitted drops them. A batch on a path that is batched already
// leaves the writing to the outer one.
class CTavrixXMLBatch
{
public:
    explicit CTavrixXMLBatch(const QByteArray &path);
    ~CTavrixXMLBatch();
    CTavrixXMLBatch(const CTavrixXMLBatch &) = delete;
    CTavrixXMLBatch &operator=(const CTavrixXMLBatch &) = delete;

    // True when the file holds the changes (CTavrixXML_LastFailure says why not).
    bool commit();

private:
    QByteArray m_path;
    bool m_owner;
};

// Creates an empty store at path. An existing file is left untouched (true when it
// is a readable store); only an empty file is replaced.
bool CTavrixXML_CreateXMLFile(const QByteArray &path);
// Adds a profile node; false when the index is taken, invalid, or the file holds 10.
bool CTavrixXML_CreateProFileXmlParentNode(const QByteArray &path, const QByteArray &index, const QByteArray &name,
                                           int reserved);
// Stores the current profile index; false when no profile has that index.
bool CTavrixXML_ModifyXMLFileProfileIndex(const QByteArray &path, int index);
// The stored current profile index; -1 when the file is missing, broken or holds none.
int CTavrixXML_GetCreateXMLFileProfileIndex(const QByteArray &path);
// The profiles in file order.
bool CTavrixXML_SelectProFileAllNodes(const QByteArray &path, QList<ProfileNode> &nodes);
bool CTavrixXML_IsExistenceSelectProfileNode(const QByteArray &path, const QByteArray &index);
// Removes the profile with everything in it.
bool CTavrixXML_DeleteProFileSelectedNode(const QByteArray &path, const QByteArray &index);
bool CTavrixXML_SelectProfileNodeInfo(const QByteArray &path, const QByteArray &index, ProfileNodeInfo *info);
bool CTavrixXML_ModifyProfileNodeInfo(const QByteArray &path, const QByteArray &index, const QByteArray &name);
// Writes the profile, as the only one, into targetPath, marked as an export. The
// target may be missing, empty, an empty store or an earlier export; any other
// file (a layer, macro or foreign file) is left alone and the export fails.
bool CTavrixXML_ProFileExport(const QByteArray &path, const QByteArray &targetPath, const QByteArray &index,
                              int reserved);
// Adds the profile importIndex of importPath to the layer file under a free index:
// the last listed index + 1, or the highest + 1 when that one is taken.
bool CTavrixXML_ProFileImport(const QByteArray &path, const QByteArray &importPath, const QByteArray &importIndex);
// The key codes that have an item in the profile.
bool CTavrixXML_ProFileKeyInfoSelectAll(const QByteArray &path, const QByteArray &index, QList<QByteArray> &keyCodes);

// ---- Light items ----

// Adds the record; one that the profile already holds for its (target, mode) is replaced.
bool CTavrixXML_AddProFileLightInfoItem(const QByteArray &path, const QByteArray &index, colorInfoData data);
// Replaces the record of (target, mode); false when there is none or data names another pair.
bool CTavrixXML_ModifyProFileLightInfoItem(const QByteArray &path, const QByteArray &index, int target, int mode,
                                           colorInfoData data);
bool CTavrixXML_IsProFileAlreadyHaveLightInfo(const QByteArray &path, const QByteArray &index, int target, int mode);
bool CTavrixXML_SelectProfileColorDataInfo(const QByteArray &path, const QByteArray &index, int target, int mode,
                                           colorInfoData *data);
bool CTavrixXML_ModifyProFileMouseLightUsingIndex(const QByteArray &path, const QByteArray &index, int target,
                                                  int mode);
// The target's mode in use; without one stored, the mode of the target's first
// light record; -1 when the profile has neither or cannot be read.
int CTavrixXML_SelectProFileMouseLightTypeUsingIndex(const QByteArray &path, const QByteArray &index, int target);
bool CTavrixXML_ModifyProFileLightSynchronizeStatus(const QByteArray &path, const QByteArray &index, int status);

// ---- Custom lights ----

// Adds a custom light slot; false when the profile already has that slot.
bool CTavrixXML_AddProFileCustomLightNode(const QByteArray &path, const QByteArray &index, const QByteArray &slot,
                                          const QByteArray &name, const QByteArray &usingText, int usingFlagIndex);
// Removes the keys of the slot; true when the slot exists.
bool CTavrixXML_ClearProFileCustomLightNode(const QByteArray &path, const QByteArray &index, const QByteArray &slot);
bool CTavrixXML_AddProFileCustomLightDataInfo(const QByteArray &path, const QByteArray &index, const QByteArray &slot,
                                              CustomLightDataInfo data);
bool CTavrixXML_ProFileCustomLightInfoSelectAll(const QByteArray &path, const QByteArray &index, const QByteArray &slot,
                                                QList<CustomLightDataInfo> &items);
bool CTavrixXML_SelectProFileCustomLightAllNodes(const QByteArray &path, const QByteArray &index,
                                                 QList<CustomLightNodeInfo> &nodes);
bool CTavrixXML_ModifyProFileCustomLightNodeName(const QByteArray &path, const QByteArray &index,
                                                 const QByteArray &slot, const QByteArray &name);
bool CTavrixXML_ModifyProFileCustomLightNodeUsingStatus(const QByteArray &path, const QByteArray &index,
                                                        const QByteArray &slot, const QByteArray &usingText,
                                                        int usingFlagIndex);
// Reads the items of customLed slot from a custom light preset file.
bool CTavrixXML_XmlCustomLightInfoSelectAll(const QByteArray &presetPath, const QByteArray &slot,
                                            QList<CustomLightDataInfo> &items);

// ---- Sleep times and Win-lock choices ----

bool CTavrixXML_SetProFileIntoSleepTimeInfo(const QByteArray &path, const QByteArray &index, int lightSeconds,
                                            int keyboardMinutes);
// True when the profile holds sleep times; otherwise info keeps the caller's defaults.
bool CTavrixXML_GetProFileIntoSleepTimeInfo(const QByteArray &path, const QByteArray &index,
                                            ProfileSleepTimeInfo *info);
// Replaces the four choices, in the order Alt+Tab, Alt+F4, Shift+Tab, Windows key.
bool CTavrixXML_AddProFileFunctionInfo(const QByteArray &path, const QByteArray &index, const QByteArray &altTab,
                                       const QByteArray &altF4, const QByteArray &shiftTab, const QByteArray &winKey);
bool CTavrixXML_GetProFileFunctionInfo(const QByteArray &path, const QByteArray &index, ProfileFunctionInfo *info);

// ---- Key items ----

// Fills all five fields when the key has an item; otherwise leaves info as it was.
bool CTavrixXML_SelectProFileKeyOperateInfo(const QByteArray &path, const QByteArray &index, const QByteArray &keyCode,
                                            KeyOperateInfo *info);
// Removes the key's item (the name need not match). True also when there was none.
bool CTavrixXML_DeleteProFileMacroWithKeyInfoItem(const QByteArray &path, const QByteArray &index,
                                                  const QByteArray &keyCode, const QByteArray &keyName);
// Stores a new item; false when the key already has one (callers delete first).
bool CTavrixXML_AddProFileMacroWithKeyInfoItem(const QByteArray &path, const QByteArray &index,
                                               const QByteArray &keyCode, const QByteArray &keyName,
                                               const QByteArray &operateType, const QByteArray &param1,
                                               const QByteArray &param2, const QByteArray &value);
// How many items of the profile have this operateType and value; -1 on failure.
int CTavrixXML_GetProFileValueNum(const QByteArray &path, const QByteArray &index, const QByteArray &operateType,
                                  const QByteArray &value);

// ---- The profile's copies of macros ----

// The copy of macroIndex holds exactly these events afterwards.
bool CTavrixXML_AddProFileBindMacroItem(const QByteArray &path, const QByteArray &index,
                                        const QList<MacroEventItem> &events, const QByteArray &macroIndex,
                                        const QByteArray &nodeName);
// The copy of macroIndex is gone afterwards (true also when there was none).
bool CTavrixXML_DeleteProFileBindMacroNode(const QByteArray &path, const QByteArray &index,
                                           const QByteArray &macroIndex, const QByteArray &nodeName);
// The events of the copy of macroIndex (nodeName is not needed); false when there is no copy.
bool CTavrixXML_ProFileMacroWithKeyInfoSelectAll(const QByteArray &path, const QByteArray &index,
                                                 const QByteArray &macroIndex, const QByteArray &nodeName,
                                                 QList<MacroEventItem> &events);

// ---- Macro store ----

// Every macro in ascending order of index.
bool CTavrixXML_SelectMacroAllNodes(const QByteArray &path, QList<MacroNode> &nodes);
// Creates an empty macro; false when the index is taken or not a canonical number.
bool CTavrixXML_CreateMacroXmlParentNode(const QByteArray &path, const QByteArray &index, const QByteArray &name);
bool CTavrixXML_DeleteMacroNode(const QByteArray &path, const QByteArray &index);
bool CTavrixXML_ModifyMacroNodeName(const QByteArray &path, const QByteArray &index, const QByteArray &name);
// True with the macro's events in stored order; false when it has none or does not exist.
bool CTavrixXML_SelectAllKeyOrMouseEvent(const QByteArray &path, const QByteArray &index,
                                         QList<MacroEventItem> &events);
// Appends the events after the macro's stored ones (the index comes last).
bool CTavrixXML_AddKeyOrMouseEventItem(const QByteArray &path, const QList<MacroEventItem> &events,
                                       const QByteArray &index);
// Removes every event of the macro that carries mark.
bool CTavrixXML_DeleteEventItem(const QByteArray &path, const QByteArray &index, const QByteArray &mark);
// The first event with mark and "down" (isUp 0) or "up" (isUp 1) takes the record's fields.
bool CTavrixXML_UpdateEventItem(const QByteArray &path, const QByteArray &index, const QByteArray &mark, int isUp,
                                MacroEventItem item);
// Swaps that event with the one before it (direction 1) or after it (direction 0).
bool CTavrixXML_MacroEventItemUpOrDownOperate(const QByteArray &path, const QByteArray &index, const QByteArray &mark,
                                              int direction, int isUp);

// ---- Advanced keys ----

// The advanced-key file is a store file like the others; its root is written with it.
bool CTavrixXML_SeniorKey_CreateXMLFile(const QByteArray &path);
// Makes sure the file exists with its root; true when it is a readable store.
bool CTavrixXML_SeniorKey_CreateProFileXmlParentNode(const QByteArray &path);
// Every record, in ascending id; false when the file cannot be read.
bool CTavrixXML_SeniorKey_SelectAllInfoItem(const QByteArray &path, QList<SeniorKeyInfo> &items);
// Adds the record; false with 40 stored, an id below 1 or already taken, or a type
// that is not the record's.
bool CTavrixXML_SeniorKey_AddInfoItem(const QByteArray &path, int keyType, SeniorKeyInfo info);
// Replaces every field of the record with the same id.
bool CTavrixXML_SeniorKey_ModifyInfoItem(const QByteArray &path, int keyType, SeniorKeyInfo info);
bool CTavrixXML_SeniorKey_DeleteInfoItem(const QByteArray &path, int keyType, int bindingIndex);

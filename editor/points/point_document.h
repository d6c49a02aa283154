#pragma once
// The ordered list of at most 200 points and the document that owns it. Storage is
// allocated once, at construction; no operation allocates.
#include "local_clock.h"
#include "point_record.h"

#include <memory>

class FileSystem;

constexpr int kMaxPoints = 200;

// Tells the user that the list is full ("200地点以上は登録出来ません").
void showTooManyPoints();

class PointDocument {
  public:
    explicit PointDocument(const LocalClock& clock = systemClock());
    ~PointDocument();
    PointDocument(const PointDocument&) = delete;
    PointDocument& operator=(const PointDocument&) = delete;

    int count() const { return count_; }
    bool isUsed(int i) const { return i >= 0 && i < count_; }
    bool isModified() const { return modified_; }
    void setModified(bool flag) { modified_ = flag; }

    // The whole record at a used position (nullptr for a free one), for reading.
    const PointRecord* recordAt(int i) const { return isUsed(i) ? &slots_[i] : nullptr; }

    // Field getters: the stored text, or "" for a free position.
    const char* getMarkNumber(int i) const { return field(i, &PointRecord::markNumber); }
    const char* getName(int i) const { return field(i, &PointRecord::name); }
    const char* getLongitude(int i) const { return field(i, &PointRecord::longitude); }
    const char* getLatitude(int i) const { return field(i, &PointRecord::latitude); }
    const char* getVoiceWord(int i) const { return field(i, &PointRecord::voiceWord); }
    const char* getSoundCode(int i) const { return field(i, &PointRecord::soundCode); }
    const char* getDirectionCode(int i) const { return field(i, &PointRecord::directionCode); }
    const char* getPhone(int i) const { return field(i, &PointRecord::phone); }
    const char* getDate(int i) const { return field(i, &PointRecord::date); }
    const char* getTime(int i) const { return field(i, &PointRecord::time); }
    int getDirectionEnabled(int i) const { return isUsed(i) ? slots_[i].directionEnabled : 0; }

    // Field setters: cut to the field's limit, "#", TAB, CR and LF kept out; `modified` is
    // set only when the stored value changes. A free position is left alone.
    void setMarkNumber(int i, const char* text) { setField(i, &PointRecord::markNumber, text); }
    void setName(int i, const char* text) { setField(i, &PointRecord::name, text, kNameLimit); }
    void setLongitude(int i, const char* text) { setField(i, &PointRecord::longitude, text); }
    void setLatitude(int i, const char* text) { setField(i, &PointRecord::latitude, text); }
    void setVoiceWord(int i, const char* text) { setField(i, &PointRecord::voiceWord, text, kNameLimit); }
    void setSoundCode(int i, const char* text) { setField(i, &PointRecord::soundCode, text); }
    void setDirectionCode(int i, const char* text) { setField(i, &PointRecord::directionCode, text); }
    void setPhone(int i, const char* text) { setField(i, &PointRecord::phone, text); }
    void setDirectionEnabled(int i, int value);

    // Opens a new record at i (0 <= i <= count): 1, or -1 when full or i >= 200.
    int insertBlank(int i);
    // Replaces the used record at i whole, as a reader of another file format fills every
    // field (date, time and the spare fields among them); each text is ended within its
    // buffer. `modified` is set when anything changes. A free position is left alone.
    void replaceRecord(int i, const PointRecord& record);
    // Deletes the record at i; always 0.
    int removeAt(int i);
    // Puts the record at `from` immediately before the record that was at `to`.
    void moveRecord(int to, int from);
    // Frees every slot; `modified` is left as it was.
    void clearAll() { count_ = 0; }
    // Replaces the `removed` records from `first` on by whole copies of `inserted` records,
    // every field as given (undo and reordering): 1, or -1 when the range is not within the
    // list or the result would exceed 200; nothing changes then. Sets `modified`. `records`
    // lie outside the document.
    int replaceRecords(int first, int removed, const PointRecord* records, int inserted);

    // QPF files: 0 on success, -1 after the user was told why.
    int loadFile(const char* path);
    // The points of QPF bytes already read (any file name), as loadFile takes them.
    void takeQpfBytes(const char* bytes, size_t size);
    int saveFile(const char* path) const;

    // Replaces the file layer (tests).
    void setFileSystem(FileSystem& files) { files_ = &files; }

    static int soundIndexOfCode(const char* code);
    static const char* soundCodeAt(int k);
    static const char* soundNameAt(int k);
    static const char* directionNameAt(int k);

  private:
    template <size_t N> const char* field(int i, char (PointRecord::*member)[N]) const {
        return isUsed(i) ? slots_[i].*member : "";
    }
    template <size_t N> void setField(int i, char (PointRecord::*member)[N], const char* text, size_t limit = N - 1) {
        if (isUsed(i)) storeText(slots_[i].*member, N, text, limit);
    }
    void storeText(char* stored, size_t size, const char* text, size_t limit);
    void makeNew(PointRecord& record) const;

    std::unique_ptr<PointRecord[]> slots_;
    int count_ = 0;
    bool modified_ = false;
    const LocalClock& clock_;
    FileSystem* files_;
};

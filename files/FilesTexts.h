#pragma once

#include <string>
#include <string_view>

#include "platform/PictureDamage.h"

namespace glimmet::files_texts {

// Texts of the file commands and of the HTML export, UTF-8.

// The file dialog, as set at start-up. The default extension is a filter entry; the dialog appends
// its first three characters to a name typed without an extension.
inline constexpr std::string_view kDialogTitle = "Выберите нужное изображение";
inline constexpr std::string_view kStartFilter = " BMP |*.bmp| JPEG |*.jpg| GIF |*.gif";
inline constexpr std::string_view kDefaultExt = "BMP|*.bmp";
// The filter during the export's dialog, and after an export that got a name (no leading blank).
inline constexpr std::string_view kPageFilter = "HTML|*.htm";
inline constexpr std::string_view kPictureFilter = "BMP |*.bmp| JPEG |*.jpg| GIF |*.gif";

// Open: the label, the file name in quotes, then why.
inline constexpr std::string_view kOpenFailed = "Не удалось открыть рисунок:\n";
inline constexpr std::string_view kCannotRead = "Файл не читается.";
inline constexpr std::string_view kNotAPicture = "Это не рисунок в известном программе формате.";
inline constexpr std::string_view kDamaged = "Рисунок повреждён или обрезан.";
inline constexpr std::string_view kTooLarge = "Рисунок больше, чем читает программа.";
inline constexpr std::string_view kOutOfMemory = "Не хватило памяти, чтобы прочитать рисунок.";
inline constexpr std::string_view kOpenKeepsPicture = "Показанный рисунок остался прежним.";
// What is wrong with a picture file, UTF-8.
inline std::string DescribeDamage(const PictureDamage& d) {
    const auto n = [](int64_t value) { return std::to_string(value); };
    const std::string size = n(d.first) + " × " + n(d.second) + " точек";
    switch (d.fault) {
        case PictureFault::IsAFolder:
            return "это папка, а не файл";
        case PictureFault::UnknownFormat:
            return "в начале файла нет подписи ни одного из читаемых форматов";
        case PictureFault::HeaderCut:
            return "файл обрывается в заголовке";
        case PictureFault::PixelDataOutside:
            return "данные точек указаны за концом файла";
        case PictureFault::PixelDataCut:
            return "файл обрывается после " + n(d.first) + " из " + n(d.second) + " байт данных точек";
        case PictureFault::CompressedDataCut:
            return "файл обрывается в сжатых данных точек, до метки конца";
        case PictureFault::FrameCut:
            return "файл обрывается в первом кадре";
        case PictureFault::NoFrame:
            return "в файле нет ни одного кадра";
        case PictureFault::UnexpectedBlock:
            return "неизвестный блок " + n(d.first) + " в байте " + n(d.second);
        case PictureFault::NoStartMarker:
            return "файл не начинается с метки начала рисунка";
        case PictureFault::BadSegment:
            return "неверная длина сегмента в байте " + n(d.first);
        case PictureFault::EndMarkerMissing:
            return "файл обрывается до метки конца рисунка";
        case PictureFault::ChunkCut:
            return "файл обрывается до завершающего блока IEND";
        case PictureFault::BadChunk:
            return "неверная длина блока в байте " + n(d.first);
        case PictureFault::UnknownHeader:
            return "заголовка BMP длиной " + n(d.first) + " байт не бывает";
        case PictureFault::BadSize:
            return "в заголовке указан размер " + size + ", в нём нет ни одной точки";
        case PictureFault::UnsupportedLayout:
            return "BMP с " + n(d.first) + " битами на точку и сжатием " + n(d.second) + " не бывает";
        case PictureFault::PixelDataInsideHeader:
            return "данные точек указаны с байта " + n(d.first) +
                   ", а заголовок, маски и таблица цветов кончаются только на байте " + n(d.second);
        case PictureFault::ColourTableTooLarge:
            return "в таблице цветов " + n(d.first) + " цветов, а точки могут ссылаться лишь на " +
                   n(d.second);
        case PictureFault::BadColourMasks:
            return "маски цветов пусты, перекрываются, имеют разрывы или выходят за точку";
        case PictureFault::RunOutside:
            return "сжатые данные в байте " + n(d.first) + " выходят за строку или за рисунок";
        case PictureFault::ColourIndexOutside:
            return "номер цвета " + n(d.first) + " вне таблицы из " + n(d.second) + " цветов";
        case PictureFault::DataStopsEarly:
            return "сжатые данные точек кончаются раньше рисунка";
        case PictureFault::CorruptData:
            return "сжатые данные точек испорчены";
        case PictureFault::DataBeyondPicture:
            return "в сжатых данных точек больше, чем в рисунке";
        case PictureFault::BadChecksum:
            return "часть файла не сходится со своей контрольной суммой";
        case PictureFault::BadPlanes:
            return "в заголовке указано плоскостей цвета: " + n(d.first) + ", а в BMP бывает одна";
        case PictureFault::TooManyScans:
            return "в рисунке больше " + n(d.first) + " проходов, а предел программы — " + n(d.first) +
                   " проходов";
        case PictureFault::DecoderRefused:
            return "декодер формата отказался его читать";
        case PictureFault::TooLarge:
            return "в нём " + size + ", а читаются рисунки не больше " + n(kMaxPicturePixels) + " точек (" +
                   n(kMaxPictureSide) + " × " + n(kMaxPictureSide) + ") всего";
        case PictureFault::OutOfMemory:
            return d.first > 0 ? "в нём " + size : std::string{};
        case PictureFault::None:
            break;
    }
    return {};
}

// Save: the label, the file name in quotes, then the system's reason.
inline constexpr std::string_view kSaveFailed = "Не удалось сохранить рисунок:\n";
inline constexpr std::string_view kNothingSaved = "Файл не записан.";
// The image library could not encode the picture (no system error to show).
inline constexpr std::string_view kNotEncoded = "Рисунок не удалось закодировать.";
// A file rewritten in place failed and its old content could not be put back.
inline constexpr std::string_view kOldFileLost = "Прежнее содержимое файла утрачено.";
// Save into a file the window works with: the label, the file name in quotes, then the question.
inline constexpr std::string_view kReplacesPicture = "Этот файл — рисунок, открытый сейчас в окне:\n";
inline constexpr std::string_view kReplacesPage = "Этот файл — страница экспорта в HTML:\n";
inline constexpr std::string_view kReplaceQuestion = "Заменить его сохраняемым рисунком?";

// The HTML export.
inline constexpr std::string_view kExportQuestion = "Вы действительно хотите записать рисунок в файл?";
// The chosen page file cannot be opened for appending: the label, the file name, the reason.
inline constexpr std::string_view kPageFileFailed = "Не удалось открыть файл для дописывания:\n";
inline constexpr std::string_view kNothingExported = "Экспорт не выполнен.";
// A page file that is a picture: the label, the file name in quotes, why, then kNothingExported.
inline constexpr std::string_view kPageIntoPicture = "Страница HTML не будет дописана в этот файл:\n";
inline constexpr std::string_view kIsShownPicture = "Это рисунок, открытый сейчас в окне.";
inline constexpr std::string_view kIsSavedPicture = "Это рисунок, сохранённый из окна последним.";
inline std::string HoldsPicture(std::string_view format) {
    return "В нём рисунок формата " + std::string(format) + ", страница испортила бы его.";
}

}  // namespace glimmet::files_texts

#include "i18n/messagecatalogue.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct ShownText {
    int number;
    const char *french;
    const char *english;
};

// Every message the program shows, with its exact French and English wording.
const ShownText shownMessages[] = {
    {21, "Quitter", "Quit"},
    {22, "Quitter cet ecran", "Close this window"},
    {32, "Aide", "Help"},
    {33, "Comp", "Joly"},
    {34, "Grille", "Board"},
    {35, "Imprimer les Tickets", "Print the tickets"},
    {36, "Type de tickets", "Ticket's type"},
    {37, "Grilles à imprimer", "Boards to print"},
    {38, "Première", "First"},
    {39, "Dernière", "Last"},
    {40, "Type d' impression", "Type of printing"},
    {41, "Imprimer tous les tickets à la fois", "Print all the tickets"},
    {42, "Imprimer un ticket à la fois", "Stop after each ticket"},
    {44, "Imprimer", "Print"},
    {45, "Numéros des grilles à imprimer incorrect", "Incorrect selection of grids to print"},
    {46, "Problème", "Problem"},
    {49, "Parametres", "Parameters"},
    {50, "Voir/Modifier les parametres du logiciel", "View/Modify the parameter of the software"},
    {54, "Voir l'aide", "View the help"},
    {56, "Voir les grilles", "View the boards"},
    {57, "Voir la liste des grilles", "View the list of boards to play"},
    {58, "Imprimer les tickets", "Print the tickets"},
    {61, "Export des combinaisons à jouer dans un fichier texte",
     "Export the wheels on a text file"},
    {62, "Comparer avec le tirage", "Compare with the results"},
    {64, "numéros", "numbers"},
    {65, "si", "if"},
    {66, "parmi", "in"},
    {67, "en", "with"},
    {68, "grilles", "boards"},
    {71, "Enregistrer un jeu", "Save the game"},
    {72, "Charger un jeu", "Load a game"},
    {76, "Continuer quand même ?", "Continue"},
    {77, "Fichier existant !!", "This file exists"},
    {78, "Sélectionnez le fichier à charger", "Select the game file to load"},
    {79, "Ce n'est pas un fichier de sauvegarde", "It's not a correct file"},
    {80, "Problème !!", "Problem!!"},
    {82, "Erreur à la lecture du fichier", "Error when reading the file"},
    {83, "Fichier inexistant", "This file not exists"},
    {85, "Imprimer la liste", "Print the list of boards"},
    {86, "Liste des grilles à jouer", "List of the boards to play"},
    {103, "Systèmes réducteurs ", "Wheeling systems"},
    {109, "Numéros selectionnés incorrects", "Incorrect selection of numbers"},
    {110, "Nombre de grilles par ticket", "Number of boards by ticket"},
    {111, "Entrez le numéro de la 1ère grille à imprimer",
     "Enter the number of the first board to print"},
    {112, "Entrez le numéro de la dernière grille à imprimer",
     "Enter the number of the last board to print"},
    {113, "Indiquer le nom du fichier à enregistrer", "Enter the name of the file to create"},
    {114, "Opération abandonnée", "Operation canceled !!"},
    {115, "Insérez le prochain bulletin et appuyer sur OK", "Insert next ticket"},
    {116, "Numéros aléatoires", "Random Numbers"},
    {117, "Allez dans Options/parametres pour changer le style de grille à l'écran",
     "Go to options/parameters to change the style of the ticket on screen"},
    {118, "Effacer la grille", "Clear the board"},
    {119, "Fichiers", "Files"},
    {121, "Utilisation", "Utilize"},
    {122, "Options", "Options"},
    {123, "Cases cochées", "Numbers selected"},
    {124, "Voir l'aide", "View the help file"},
    {125, "Grilles à jouer", "Boards to play"},
    {126, "Retour", "Return"},
    {127, "Voir la grille suivante", "View the next board"},
    {128, "Voir la grille précédente", "View the previous board"},
    {129, "Système sélectionné", "Selected wheel"},
    {130, "Impression", "Printing"},
    {131, "Langue", "Language"},
    {132, "Type de grille à l'écran", "Board Style on screen"},
    {133, "Nombres maxi dans tirage aléatoire", "Numbers to use on random function"},
    {134, "Décalage vertical", "Vertical Adjustment"},
    {135, "Décalage horizontal", "Horizontal Adjustment"},
    {136, "Nombre de bons résultats", "Numbers of good results"},
    {137, "BULLETIN GAGNANT", "WINNER TICKET"},
    {138, "Afficher résultats", "View Results"},
    {139, "Analyser Résultats", "Results"},
    {140, "General", "General"},
    {141, "Normal", "Normal"},
    {142, "Numéros des grilles à imprimer incorrect", "Incorrect Numbers of the boards to print"},
    {143, "Problème !!", "Problem !!"},
    {144, "Complémentaire", "Bonus"},
    {145, "Imprimer le numero de grille", "Print the board numbers"},
    {146, "Grille", "Board"},
    {148, "LISTE DES BULLETINS", "TICKETS  LIST"},
    {151, "Indiquer le nom du fichier à enregistrer", "Enter the name of the file"},
    {152, "Selectionnez le fichier", "Select file"},
    {153, "Fichiers textes ", "Text files"},
    {154, "Le fichier n a pas été selectionné", "You dont select the file"},
    {155, "Systèmes precalculés internes", "Internal Wheels"},
    {156, "Systèmes précalculés dans fichier externe", "External Wheels"},
    {157, "Remplacer les numeros", "Replace the numbers"},
    {158, "Tout afficher", "Display all"},
    {159, "Seules les 20 premieres lignes sont affichées dans la grille",
     "Only the 20 first lines are show"},
    {160, "Separateur", "Separator"},
    {161, "Précédent", "previous"},
    {162, "Suivant", "Next"},
    {163, "Nombre de lignes à sauter", "Number of lines to skip"},
};

// Cells of the shown messages that carry no text: message number -> language indices.
const std::map<int, std::set<int>> emptyCells = {
    {22, {4, 5}},
    {45, {5}},
    {50, {5}},
    {61, {5}},
    {64, {6}},
    {111, {5}},
    {112, {5}},
    {151, {4, 5}},
    {152, {3, 4, 5, 6, 7}},
    {153, {3, 4, 5, 6, 7}},
    {154, {3, 4, 5, 6, 7}},
    {155, {3, 4, 5, 6, 7}},
    {156, {3, 4, 5, 6, 7}},
    {157, {3, 4, 5, 6, 7}},
    {158, {3, 4, 5, 6, 7}},
    {159, {3, 4, 5, 6, 7}},
    {160, {3, 4, 5, 6, 7}},
    {161, {3, 4, 5, 6, 7}},
    {162, {3, 4, 5, 6, 7}},
    {163, {3, 4, 5, 6, 7}},
};

const int croatian = static_cast<int>(Language::Croatian);

// Code points of a UTF-8 text whose characters are all one or two bytes long; nothing when a
// longer or malformed sequence occurs (no letter of the code pages in use needs one).
std::optional<std::vector<char32_t>> shortCodePoints(std::string_view text)
{
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            points.push_back(lead);
            continue;
        }
        if (lead < 0xC2 || lead > 0xDF || i + 1 == text.size())
            return std::nullopt;
        const auto next = static_cast<unsigned char>(text[++i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        points.push_back(static_cast<char32_t>(((lead & 0x1F) << 6) | (next & 0x3F)));
    }
    return points;
}

// Printable ASCII or a letter with a Windows-1252 byte of the Latin-1 range.
bool fitsWindows1252(char32_t point)
{
    return (point >= 0x20 && point < 0x7F) || (point >= 0xA0 && point <= 0xFF);
}

// Printable ASCII or one of the Croatian letters of Windows-1250.
bool fitsCroatianWindows1250(char32_t point)
{
    static const std::set<char32_t> letters = {0x106, 0x107, 0x10C, 0x10D, 0x110,
                                               0x111, 0x160, 0x161, 0x17D, 0x17E};
    return (point >= 0x20 && point < 0x7F) || letters.contains(point);
}

}  // namespace

class ShownMessage : public testing::TestWithParam<ShownText> {};

TEST_P(ShownMessage, FrenchAndEnglishTextsAreExact)
{
    const ShownText &row = GetParam();
    EXPECT_EQ(builtinMessage(row.number, static_cast<int>(Language::French)), row.french);
    EXPECT_EQ(builtinMessage(row.number, static_cast<int>(Language::English)), row.english);
}

TEST_P(ShownMessage, OnlyTheListedCellsAreEmpty)
{
    const int n = GetParam().number;
    const auto listed = emptyCells.find(n);
    for (int language = 1; language <= languageCount; ++language) {
        const bool expectEmpty = listed != emptyCells.end() && listed->second.contains(language);
        EXPECT_EQ(builtinMessage(n, language).empty(), expectEmpty) << "language " << language;
    }
}

TEST_P(ShownMessage, TextsFitTheCodePageOfTheirLanguage)
{
    const int n = GetParam().number;
    for (int language = 1; language <= languageCount; ++language) {
        const auto points = shortCodePoints(builtinMessage(n, language));
        ASSERT_TRUE(points.has_value()) << "language " << language;
        for (const char32_t point : *points) {
            const bool fits =
                language == croatian ? fitsCroatianWindows1250(point) : fitsWindows1252(point);
            EXPECT_TRUE(fits) << "language " << language << " U+" << std::hex
                              << static_cast<unsigned>(point);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ShownMessage, testing::ValuesIn(shownMessages),
                         [](const testing::TestParamInfo<ShownText> &info) {
                             return "Message" + std::to_string(info.param.number);
                         });

TEST(MessageCatalogue, SpanishHelpIsAyuda)
{
    EXPECT_EQ(pgloretlibmessage(32, static_cast<int>(Language::Spanish)), "Ayuda");
}

TEST(MessageCatalogue, LookupFollowsTheLanguageIndex)
{
    EXPECT_EQ(pgloretlibmessage(126, static_cast<int>(Language::French)), "Retour");
    EXPECT_EQ(pgloretlibmessage(126, static_cast<int>(Language::German)), "Zurück");
    EXPECT_EQ(pgloretlibmessage(32, croatian), "Pomoć");
}

TEST(MessageCatalogue, MethodLabelWordsAreSingleWords)
{
    for (int n = 64; n <= 68; ++n) {
        for (int language = 1; language <= languageCount; ++language) {
            EXPECT_EQ(builtinMessage(n, language).find(' '), std::string_view::npos)
                << "message " << n << " language " << language;
        }
    }
}

TEST(MessageCatalogue, LanguageIndexOutsideOneToSevenGivesEmptyTexts)
{
    for (const ShownText &row : shownMessages) {
        EXPECT_EQ(pgloretlibmessage(row.number, 8), "") << row.number;
        EXPECT_EQ(pgloretlibmessage(row.number, 0), "") << row.number;
        EXPECT_EQ(pgloretlibmessage(row.number, -1), "") << row.number;
        EXPECT_EQ(pgloretlibmessage(row.number, INT_MAX), "") << row.number;
    }
}

TEST(MessageCatalogue, MessageNumbersOutsideTheTableGiveEmptyTexts)
{
    for (const int n : {0, -1, 177, 1000, INT_MIN, INT_MAX}) {
        for (int language = 1; language <= languageCount; ++language)
            EXPECT_EQ(pgloretlibmessage(n, language), "") << n << " language " << language;
    }
}

TEST(MessageCatalogue, PreviewCalibrationAndPdfCaptionsExistInEveryLanguage)
{
    EXPECT_EQ(pgloretlibmessage(174, 1), "Aperçu");
    EXPECT_EQ(pgloretlibmessage(174, 2), "Preview");
    EXPECT_EQ(pgloretlibmessage(175, 1), "Page de calibrage");
    EXPECT_EQ(pgloretlibmessage(176, 2), "No printer: save the printout as a PDF file");
    for (const int n : {174, 175, 176}) {
        for (int language = 1; language <= languageCount; ++language)
            EXPECT_NE(pgloretlibmessage(n, language), "") << n << " language " << language;
    }
}

TEST(MessageCatalogue, NumbersWithoutARowGiveEmptyTextsNotTheirNeighbours)
{
    for (const int n : {1, 20, 43, 147, 164, 173}) {
        for (int language = 1; language <= languageCount; ++language)
            EXPECT_EQ(builtinMessage(n, language), "") << n << " language " << language;
    }
}

TEST(LanguageFileTexts, ReplaceTheBuiltInTextsWhateverTheLanguage)
{
    std::vector<std::string> texts(messageCount + 1);
    texts[21] = "Sortir du jeu";
    for (const int language : {1, 2, 6, 8, 0})
        EXPECT_EQ(pgloretlibmessage(21, language, &texts), "Sortir du jeu") << language;
}

TEST(LanguageFileTexts, AnEntryTheFileNeverFilledIsEmptyWithoutFallback)
{
    std::vector<std::string> texts(messageCount + 1);
    texts[21] = "Sortir du jeu";
    EXPECT_EQ(pgloretlibmessage(32, static_cast<int>(Language::French), &texts), "");
}

TEST(LanguageFileTexts, NumbersBeyondTheFileAreEmpty)
{
    const std::vector<std::string> texts = {"", "un", "deux", "trois"};
    EXPECT_EQ(pgloretlibmessage(3, 1, &texts), "trois");
    EXPECT_EQ(pgloretlibmessage(4, 1, &texts), "");
    EXPECT_EQ(pgloretlibmessage(126, 1, &texts), "");
    EXPECT_EQ(pgloretlibmessage(-1, 1, &texts), "");
    EXPECT_EQ(pgloretlibmessage(INT_MIN, 1, &texts), "");
}

TEST(LanguageFileTexts, AnEmptyFileGivesEmptyTexts)
{
    const std::vector<std::string> texts;
    EXPECT_EQ(pgloretlibmessage(0, 1, &texts), "");
    EXPECT_EQ(pgloretlibmessage(21, 1, &texts), "");
}

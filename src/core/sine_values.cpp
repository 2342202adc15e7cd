#include "core/sine_values.h"

namespace kelmora {

// clang-format off
const double kHeadingSines[kSineHeadingLast - kSineHeadingFirst + 1][2] = {
    {-0x1.777a5cf72ceadp-23, 0x1.fffffffffff76p-1},  // -16
    {0x1.87de2041316f4p-2, 0x1.d906bf0dfe6fdp-1},  // -15
    {0x1.6a09e2c6b101ep-1, 0x1.6a09ea09366e6p-1},  // -14
    {0x1.d906bb202b648p-1, 0x1.87de3339be371p-2},  // -13
    {0x1.fffffffffffb3p-1, 0x1.199bc5b961b0dp-23},  // -12
    {0x1.d906be7e4e038p-1, -0x1.87de22f6fc69bp-2},  // -11
    {0x1.6a09e8ffb5aa5p-1, -0x1.6a09e3d031ca9p-1},  // -10
    {0x1.87de3083f3419p-2, -0x1.d906bbafdbd6dp-1},  // -9
    {0x1.777a5cf72cec6p-24, -0x1.fffffffffffdep-1},  // -8
    {-0x1.87de25acc7635p-2, -0x1.d906bdee9d962p-1},  // -7
    {-0x1.6a09e4d9b2926p-1, -0x1.6a09e7f634e57p-1},  // -6
    {-0x1.d906bc3f8c482p-1, -0x1.87de2dce284b4p-2},  // -5
    {-0x1.ffffffffffff7p-1, -0x1.777a5cf72ceccp-25},  // -4
    {-0x1.d906bd5eed27dp-1, 0x1.87de2862925c2p-2},  // -3
    {-0x1.6a09e6ecb41fep-1, 0x1.6a09e5e333598p-1},  // -2
    {-0x1.87de2b185d541p-2, 0x1.d906bccf3cb87p-1},  // -1
    {0x0p+0, 0x1p+0},  // 0
    {0x1.87de2b185d541p-2, 0x1.d906bccf3cb87p-1},  // 1
    {0x1.6a09e6ecb41fep-1, 0x1.6a09e5e333598p-1},  // 2
    {0x1.d906bd5eed27dp-1, 0x1.87de2862925c2p-2},  // 3
    {0x1.ffffffffffff7p-1, -0x1.777a5cf72ceccp-25},  // 4
    {0x1.d906bc3f8c482p-1, -0x1.87de2dce284b4p-2},  // 5
    {0x1.6a09e4d9b2926p-1, -0x1.6a09e7f634e57p-1},  // 6
    {0x1.87de25acc7635p-2, -0x1.d906bdee9d962p-1},  // 7
    {-0x1.777a5cf72cec6p-24, -0x1.fffffffffffdep-1},  // 8
    {-0x1.87de3083f3419p-2, -0x1.d906bbafdbd6dp-1},  // 9
    {-0x1.6a09e8ffb5aa5p-1, -0x1.6a09e3d031ca9p-1},  // 10
    {-0x1.d906be7e4e038p-1, -0x1.87de22f6fc69bp-2},  // 11
    {-0x1.fffffffffffb3p-1, 0x1.199bc5b961b0dp-23},  // 12
    {-0x1.d906bb202b648p-1, 0x1.87de3339be371p-2},  // 13
    {-0x1.6a09e2c6b101ep-1, 0x1.6a09ea09366e6p-1},  // 14
    {-0x1.87de2041316f4p-2, 0x1.d906bf0dfe6fdp-1},  // 15
    {0x1.777a5cf72ceadp-23, 0x1.fffffffffff76p-1},  // 16
    {0x1.87de35ef892bcp-2, 0x1.d906ba907af13p-1},  // 17
    {0x1.6a09eb12b731bp-1, 0x1.6a09e1bd30388p-1},  // 18
    {0x1.d906bf9daedb3p-1, 0x1.87de1d8b6674p-2},  // 19
    {0x1.fffffffffff29p-1, -0x1.d558f434f824p-23},  // 20
    {0x1.d906ba00ca7cep-1, -0x1.87de38a5541fap-2},  // 21
    {0x1.6a09e0b3af6e6p-1, -0x1.6a09ec1c37f43p-1},  // 22
    {0x1.87de1ad59b77ep-2, -0x1.d906c02d5f459p-1},  // 23
    {-0x1.199bc5b961ae2p-22, -0x1.ffffffffffecap-1},  // 24
    {-0x1.87de3b5b1f12bp-2, -0x1.d906b9711a07ap-1},  // 25
    {-0x1.6a09ed25b8b6p-1, -0x1.6a09dfaa2ea37p-1},  // 26
    {-0x1.d906c0bd0faeep-1, -0x1.87de181fd07afp-2},  // 27
    {-0x1.ffffffffffe5ap-1, 0x1.488b11584749ap-22},  // 28
    {-0x1.d906b8e169915p-1, 0x1.87de3e10ea04ep-2},  // 29
    {-0x1.6a09dea0add7cp-1, 0x1.6a09ee2f3977p-1},  // 30
    {-0x1.87de156a057d4p-2, 0x1.d906c14cc0174p-1},  // 31
};

const double kDirectionSines[kDirectionCount][2] = {
    {0x0p+0, 0x1p+0}, {0x1.015bcddf851bap-8, 0x1.fffefd464a5a8p-1}, {0x1.015b4bd2e963fp-7, 0x1.fffbf51a2ee4dp-1},  // 0
    {0x1.8207ac9d5c39dp-7, 0x1.fff6e77ebe0e8p-1}, {0x1.015943a204d23p-6, 0x1.ffefd47913389p-1}, {0x1.41adada7bb30dp-6, 0x1.ffe6bc10351bep-1},  // 3
    {0x1.8200d10102b74p-6, 0x1.ffdb9e4db3a91p-1}, {0x1.c2526fcf75776p-6, 0x1.ffce7b3c3ffadp-1}, {0x1.015122f71733dp-5, 0x1.ffbf52e9c5267p-1},  // 6
    {0x1.21780b89e9fd9p-5, 0x1.ffae256465a9bp-1}, {0x1.419dcdfdde3b5p-5, 0x1.ff9af2bf2b4c8p-1}, {0x1.61c24b6781906p-5, 0x1.ff85bb0cb2ed8p-1},  // 9
    {0x1.81e5634abd361p-5, 0x1.ff6e7e626e125p-1}, {0x1.a206f52ce3ba8p-5, 0x1.ff553cd7d8b94p-1}, {0x1.c226e22656002p-5, 0x1.ff39f68517b55p-1},  // 12
    {0x1.e245082de987p-5, 0x1.ff1cab86eac61p-1}, {0x1.0130a1d5a1f07p-4, 0x1.fefd5bfe14be4p-1}, {0x1.113dbd3813826p-4, 0x1.fedc08041cf64p-1},  // 15
    {0x1.2149c47400a8fp-4, 0x1.feb8afbda7cbep-1}, {0x1.3154a5c0a389cp-4, 0x1.fe9353522d162p-1}, {0x1.415e540980964p-4, 0x1.fe6bf2e023099p-1},  // 18
    {0x1.5166bbf75218cp-4, 0x1.fe428e97063a3p-1}, {0x1.616dd077a0eb7p-4, 0x1.fe172698962dap-1}, {0x1.71737fc6c6598p-4, 0x1.fde9bb14a2ce3p-1},  // 21
    {0x1.8177b82310339p-4, 0x1.fdba4c3dce68bp-1}, {0x1.917a6c7d7103cp-4, 0x1.fd88da3ac5782p-1}, {0x1.a17b89870cd5ep-4, 0x1.fd55654728ff7p-1},  // 24
    {0x1.b17b03c33c425p-4, 0x1.fd1fed879b8adp-1}, {0x1.c178c4c722b41p-4, 0x1.fce87347094e8p-1}, {0x1.d174bf897b157p-4, 0x1.fcaef6b344989p-1},  // 27
    {0x1.e16ee70168859p-4, 0x1.fc7377fa95b3ap-1}, {0x1.f16724cb84098p-4, 0x1.fc35f7705af24p-1}, {0x1.00aeb5f18aae4p-3, 0x1.fbf675474fe9cp-1},  // 30
    {0x1.08a8d7a1ebc5cp-3, 0x1.fbb4f1b2a6028p-1}, {0x1.10a1ec49526c6p-3, 0x1.fb716d0e2ab74p-1}, {0x1.1899ed67e41d2p-3, 0x1.fb2be79181171p-1},  // 33
    {0x1.2090d47e0587fp-3, 0x1.fae46174c1d66p-1}, {0x1.28869662aa18cp-3, 0x1.fa9adb1c26554p-1}, {0x1.307b2c98b4059p-3, 0x1.fa4f54c437225p-1},  // 36
    {0x1.386e8f15df81bp-3, 0x1.fa01ceb948629p-1}, {0x1.4060b75e4c0d3p-3, 0x1.f9b24939f963ep-1}, {0x1.48519a4f9357cp-3, 0x1.f960c4b5b8759p-1},  // 39
    {0x1.5041317099b0dp-3, 0x1.f90d416f921b1p-1}, {0x1.582f76488f861p-3, 0x1.f8b7bfab08027p-1}, {0x1.601c5dba8167bp-3, 0x1.f8603fdfeb9a5p-1},  // 42
    {0x1.6807e15099ec8p-3, 0x1.f806c256299bcp-1}, {0x1.6ff1fa95554dap-3, 0x1.f7ab475623af5p-1}, {0x1.77da9e719810cp-3, 0x1.f74dcf600a20dp-1},  // 45
    {0x1.7fc1c6730dd6cp-3, 0x1.f6ee5ac0a750ep-1}, {0x1.87a76c27b9642p-3, 0x1.f68ce9c53a502p-1}, {0x1.8f8b847ebc13cp-3, 0x1.f6297cf64db9ap-1},  // 48
    {0x1.976e09097d339p-3, 0x1.f5c414a586db3p-1}, {0x1.9f4ef1cffbdeep-3, 0x1.f55cb139625a2p-1}, {0x1.a72e36dbd757p-3, 0x1.f4f3531a5d5ccp-1},  // 51
    {0x1.af0bd34a9297bp-3, 0x1.f487fa88a3c1fp-1}, {0x1.b6e7b90402891p-3, 0x1.f41aa8448fadcp-1}, {0x1.bec1e329bb47fp-3, 0x1.f3ab5c9311995p-1},  // 54
    {0x1.c69a49cc2d176p-3, 0x1.f33a17e4a47c6p-1}, {0x1.ce70e4fd908c5p-3, 0x1.f2c6daabc1abep-1}, {0x1.d645acd1ee909p-3, 0x1.f251a55ce065dp-1},  // 57
    {0x1.de189c6d2f20dp-3, 0x1.f1da783f857e4p-1}, {0x1.e5e9a5ca48115p-3, 0x1.f16154293deacp-1}, {0x1.edb8c411a53d4p-3, 0x1.f0e639664ca11p-1},  // 60
    {0x1.f585ef5ee0dffp-3, 0x1.f06928731bd83p-1}, {0x1.fd511fcf8d7e7p-3, 0x1.efea21ce114fcp-1}, {0x1.028d26c19eefep-2, 0x1.ef6925f78dd05p-1},  // 63
    {0x1.0670b9d277e7fp-2, 0x1.eee6353e64f91p-1}, {0x1.0a5342225c0f1p-2, 0x1.ee61508d3837ep-1}, {0x1.0e34bd494546fp-2, 0x1.edda783792289p-1},  // 66
    {0x1.1215275b253a1p-2, 0x1.ed51acc5ba92cp-1}, {0x1.15f47c6d019p-2, 0x1.ecc6eec1f1aa8p-1}, {0x1.19d2b894f7e32p-2, 0x1.ec3a3eb86f843p-1},  // 69
    {0x1.1dafd96c69e74p-2, 0x1.ebab9cff4b567p-1}, {0x1.218bd806ef092p-2, 0x1.eb1b0a9619aefp-1}, {0x1.2566b2009caa6p-2, 0x1.ea8887d7a0f05p-1},  // 72
    {0x1.2940637417b38p-2, 0x1.e9f41557f314ep-1}, {0x1.2d18e87d30bb1p-2, 0x1.e95db3ad171f1p-1}, {0x1.30f03d38e7f4ap-2, 0x1.e8c5636f0881dp-1},  // 75
    {0x1.34c65dc5711e5p-2, 0x1.e82b2537b686ep-1}, {0x1.389b47c124e1bp-2, 0x1.e78ef965a261bp-1}, {0x1.3c6ef44e52c25p-2, 0x1.e6f0e110a37cep-1},  // 78
    {0x1.4041610e48c05p-2, 0x1.e650dc9be0427p-1}, {0x1.44128a242ff3fp-2, 0x1.e5aeeca91131p-1}, {0x1.47e26bb47891bp-2, 0x1.e50b11dbdf80ap-1},  // 81
    {0x1.4bb101e4ddd03p-2, 0x1.e4654cd9e47d6p-1}, {0x1.4f7e4a5857a3dp-2, 0x1.e3bd9e08c923dp-1}, {0x1.534a3e3ee213bp-2, 0x1.e3140695058fcp-1},  // 84
    {0x1.5714db3ea23e1p-2, 0x1.e26886e8deb43p-1}, {0x1.5ade1d82a644cp-2, 0x1.e1bb1fb1a7906p-1}, {0x1.5ea601375ab62p-2, 0x1.e10bd19e9fdf3p-1},  // 87
    {0x1.626c828a8e6b3p-2, 0x1.e05a9d60f366p-1}, {0x1.66319f242e9f7p-2, 0x1.dfa7836564786p-1}, {0x1.69f55042dbb7ap-2, 0x1.def284ece12f9p-1},  // 90
    {0x1.6db79391e7788p-2, 0x1.de3ba268bded3p-1}, {0x1.71786544d075dp-2, 0x1.dd82dc91cf8f8p-1}, {0x1.7537c1908ace7p-2, 0x1.dcc83422d36c3p-1},  // 93
    {0x1.78f5a4ab8402p-2, 0x1.dc0ba9d86e946p-1}, {0x1.7cb20c42f3dabp-2, 0x1.db4d3e266d3dbp-1}, {0x1.806cf1a514e05p-2, 0x1.da8cf26205e2bp-1},  // 96
    {0x1.84265282ba4a8p-2, 0x1.d9cac7038c38dp-1}, {0x1.87de2b185d541p-2, 0x1.d906bccf3cb87p-1}, {0x1.8b9477a403accp-2, 0x1.d840d48b37c8ap-1},  // 99
    {0x1.8f49346543457p-2, 0x1.d7790eff80f6dp-1}, {0x1.92fc5d9d461acp-2, 0x1.d6af6cf5fe2c9p-1}, {0x1.96adef8ecdfe6p-2, 0x1.d5e3ef3a76e3dp-1},  // 102
    {0x1.9a5de67e385ep-2, 0x1.d516969a9358bp-1}, {0x1.9e0c3eb18209ap-2, 0x1.d44763e5dbb9cp-1}, {0x1.a1b8f74e94b4bp-2, 0x1.d3765749ad4a1p-1},  // 105
    {0x1.a56406e0d87eep-2, 0x1.d2a372dff0f99p-1}, {0x1.a90d6c92d10dfp-2, 0x1.d1ceb6db313bcp-1}, {0x1.acb524b11e549p-2, 0x1.d0f824126dc6p-1},  // 108
    {0x1.b05b2b8a126bap-2, 0x1.d01fbb5e82148p-1}, {0x1.b3ff7d6db54e1p-2, 0x1.cf457d9a248f2p-1}, {0x1.b7a216adc892bp-2, 0x1.ce696ba1e5ac5p-1},  // 111
    {0x1.bb42f39dcb24dp-2, 0x1.cd8b86542f125p-1}, {0x1.bee21092fcfa4p-2, 0x1.ccabce9142b62p-1}, {0x1.c27f69e462c8ap-2, 0x1.cbca453b39f92p-1},  // 114
    {0x1.c61afbeac9b7dp-2, 0x1.cae6eb3604c49p-1}, {0x1.c9b4c300cb139p-2, 0x1.ca01c16768a3p-1}, {0x1.cd4cbe50d4a84p-2, 0x1.c91ac801d8eefp-1},  // 117
    {0x1.d0e2e49bac149p-2, 0x1.c8320157a8ff3p-1}, {0x1.d4773510d4a22p-2, 0x1.c7476da05c27cp-1}, {0x1.d809ac123cf39p-2, 0x1.c65b0dc905559p-1},  // 120
    {0x1.db9a4603b2298p-2, 0x1.c56ce2c0887b6p-1}, {0x1.df28ff4ae3886p-2, 0x1.c47ced7799a09p-1}, {0x1.e2b5d44f661cap-2, 0x1.c38b2ee0bbed9p-1},  // 123
    {0x1.e640c17ab85d1p-2, 0x1.c297a7f040b6cp-1}, {0x1.e9c9c33845cbp-2, 0x1.c1a2599c4685cp-1}, {0x1.ed50d5f56a90ap-2, 0x1.c0ab44dcb820cp-1},  // 126
    {0x1.f0d5f621771d7p-2, 0x1.bfb26aab4b8f7p-1}, {0x1.f459202db3c08p-2, 0x1.beb7cc03811f5p-1}, {0x1.f7da508d64412p-2, 0x1.bdbb69e2a265p-1},  // 129
    {0x1.fb59867063c24p-2, 0x1.bcbd448084e1ap-1}, {0x1.fed6b8d7352acp-2, 0x1.bbbd5e6b1baa7p-1}, {0x1.0128f37ba5d63p-1, 0x1.babbb7df2954dp-1},  // 132
    {0x1.02e586a5fe5e1p-1, 0x1.b9b851e112822p-1}, {0x1.04a1142955914p-1, 0x1.b8b32d7700094p-1}, {0x1.065b9a4565443p-1, 0x1.b7ac4ba8dded6p-1},  // 135
    {0x1.0815173af1805p-1, 0x1.b6a3ad805a53bp-1}, {0x1.09cd894bca48p-1, 0x1.b5995408e4765p-1}, {0x1.0b84eebacd59bp-1, 0x1.b48d404fab967p-1},  // 138
    {0x1.0d3b45cbe7f1ap-1, 0x1.b37f73639dec2p-1}, {0x1.0ef08cc4188aap-1, 0x1.b26fee5567949p-1}, {0x1.10a4c1e9709e2p-1, 0x1.b15eb237717e6p-1},  // 141
    {0x1.1257e4d69ca1fp-1, 0x1.b04bbf4668545p-1}, {0x1.1409f12bf37f4p-1, 0x1.af371845c67fcp-1}, {0x1.15bae687284f8p-1, 0x1.ae20bd77029e9p-1},  // 144
    {0x1.176ac332a9edbp-1, 0x1.ad08aff36dffdp-1}, {0x1.1919857a02e16p-1, 0x1.abeef0d611481p-1}, {0x1.1ac72ba9db17cp-1, 0x1.aad3813bab533p-1},  // 147
    {0x1.1c73b40ff99b9p-1, 0x1.a9b66242b014ap-1}, {0x1.1e1f1cfb464c4p-1, 0x1.a897950b4775dp-1}, {0x1.1fc964bbcb934p-1, 0x1.a7771ab74c32fp-1},  // 150
    {0x1.217289a2b818cp-1, 0x1.a654f46a4ab64p-1}, {0x1.231a8a0260774p-1, 0x1.a53123497ff1p-1}, {0x1.24c1642e40ed7p-1, 0x1.a40ba87bd8338p-1},  // 153
    {0x1.2667167aff0fap-1, 0x1.a2e48529ee02cp-1}, {0x1.280ba08681bbdp-1, 0x1.a1bbb99585767p-1}, {0x1.29aefe16af51cp-1, 0x1.a09148ba4f86ap-1},  // 156
    {0x1.2b512eccb2dfbp-1, 0x1.9f6532deb11ddp-1}, {0x1.2cf23101e823dp-1, 0x1.9e377931f1cefp-1}, {0x1.2e920310dc958p-1, 0x1.9d081ce501763p-1},  // 159
    {0x1.3030a355510f1p-1, 0x1.9bd71f2a7704ap-1}, {0x1.31ce102c3b76bp-1, 0x1.9aa481368f4a6p-1}, {0x1.336a47f3c865cp-1, 0x1.9970443f2bbf3p-1},  // 162
    {0x1.3505490b5ccf4p-1, 0x1.983a697bd1491p-1}, {0x1.369f11d397a4bp-1, 0x1.9702f225a701ap-1}, {0x1.3837a0ae5379fp-1, 0x1.95c9df7774f98p-1},  // 165
    {0x1.39cef3fea827dp-1, 0x1.948f32ada2fa6p-1}, {0x1.3b650b65b1841p-1, 0x1.9352ec0e8168ap-1}, {0x1.3cf9e2ce83006p-1, 0x1.92150ec7e184fp-1},  // 168
    {0x1.3e8d79ddb384fp-1, 0x1.90d59b248bd22p-1}, {0x1.401fcefb603fcp-1, 0x1.8f9492675a70ap-1}, {0x1.41b0e090ebbdap-1, 0x1.8e51f5d4c0eaap-1},  // 171
    {0x1.4340ad08ff84fp-1, 0x1.8d0dc6b2caecp-1}, {0x1.44cf32cf8daf9p-1, 0x1.8bc806491af94p-1}, {0x1.465c7051d2833p-1, 0x1.8a80b5e0e923cp-1},  // 174
    {0x1.47e863fe56082p-1, 0x1.8937d6c501bd8p-1}, {0x1.49730c44ed9f7p-1, 0x1.87ed6a41c40abp-1}, {0x1.4afc6796bd96ep-1, 0x1.86a171a520f1bp-1},  // 177
    {0x1.4c8474663abc9p-1, 0x1.8553ee3e99a9ap-1}, {0x1.4e0b31272bf04p-1, 0x1.8404e15f3e673p-1}, {0x1.4f909d7e6336fp-1, 0x1.82b44b521fb49p-1},  // 180
    {0x1.5114b581d7b18p-1, 0x1.81622f79519aep-1}, {0x1.529778da0fb07p-1, 0x1.800e8e242dcc7p-1}, {0x1.5418e60029f2dp-1, 0x1.7eb968a9f317dp-1},  // 183
    {0x1.5598fb6e9f0e8p-1, 0x1.7d62c06368922p-1}, {0x1.5717b7a142f9ap-1, 0x1.7c0a96aadc3b1p-1}, {0x1.589519154692ap-1, 0x1.7ab0ecdc219e6p-1},  // 186
    {0x1.5a111e493927cp-1, 0x1.7955c4549074ep-1}, {0x1.5b8bc5bd09fcp-1, 0x1.77f91e730342ep-1}, {0x1.5d050df209cbdp-1, 0x1.769afc97d5f6p-1},  // 189
    {0x1.5e7cf56aec4f5p-1, 0x1.753b6024e480dp-1}, {0x1.5ff37aabc9bc1p-1, 0x1.73da4a7d89756p-1}, {0x1.61689d5d1739ep-1, 0x1.7277bbf10b975p-1},  // 192
    {0x1.62dc59beb4f05p-1, 0x1.7113b80fbc97dp-1}, {0x1.644eaf7cfef3ep-1, 0x1.6fae3f2cfe7f5p-1}, {0x1.65bf9d21ae61ep-1, 0x1.6e4752b218484p-1},  // 195
    {0x1.672f2137e8463p-1, 0x1.6cdef409c879bp-1}, {0x1.689d3a4c3f149p-1, 0x1.6b7524a043b9p-1}, {0x1.6a09e6ecb41fep-1, 0x1.6a09e5e333598p-1},  // 198
    {0x1.6b7525a8b90fdp-1, 0x1.689d3941b3ebp-1}, {0x1.6cdef5113155ap-1, 0x1.672f202c53c6bp-1}, {0x1.6e4753b8739f1p-1, 0x1.65bf9c15119aep-1},  // 201
    {0x1.6fae40324b47ep-1, 0x1.644eae6f5af5p-1}, {0x1.7113b913f9ca1p-1, 0x1.62dc58b00ac9fp-1}, {0x1.7277bcf4382c4p-1, 0x1.61689c4d67fd9p-1},  // 204
    {0x1.73da4a6b386efp-1, 0x1.5ff37abf23e86p-1}, {0x1.753b6012a6f82p-1, 0x1.5e7cf57e58dbbp-1}, {0x1.769afc85abfd8p-1, 0x1.5d050e0588a4bp-1},  // 207
    {0x1.77f91e60ececep-1, 0x1.5b8bc5d09b0dcp-1}, {0x1.7955c4428dd3ap-1, 0x1.5a111e5cdc5e7p-1}, {0x1.7ab0ecca32c42p-1, 0x1.58951928fbda9p-1},  // 210
    {0x1.7c0a98b3eef66p-1, 0x1.5717b56012892p-1}, {0x1.7d62c26a3605ap-1, 0x1.5598f92b63eb3p-1}, {0x1.7eb96aae79373p-1, 0x1.5418e3bae666p-1},  // 213
    {0x1.800e90266a8dcp-1, 0x1.52977692c6059p-1}, {0x1.8162317942f65p-1, 0x1.5114b3388a362p-1}, {0x1.82b44d4fc3a4cp-1, 0x1.4f909b33143a9p-1},  // 216
    {0x1.8404e254376eap-1, 0x1.4e0b300a9da13p-1}, {0x1.8553ef3274246p-1, 0x1.4c847348b6b79p-1}, {0x1.86a17297dbe96p-1, 0x1.4afc667844fc7p-1},  // 219
    {0x1.87ed6b335e8ap-1, 0x1.49730b258191p-1}, {0x1.8937d7b57ad04p-1, 0x1.47e862ddf7a85p-1}, {0x1.8a80b6d03fd6ep-1, 0x1.465c6f3082f55p-1},  // 222
    {0x1.8bc807374e5aep-1, 0x1.44cf31ad4e182p-1}, {0x1.8d0dc79fda0b7p-1, 0x1.4340abe5d1093p-1}, {0x1.8e51f6c0aad83p-1, 0x1.41b0df6ccf83ep-1},  // 225
    {0x1.8f9493521e3ep-1, 0x1.401fcdd6576f4p-1}, {0x1.90d59c0e28921p-1, 0x1.3e8d78b7bf45dp-1}, {0x1.92150fb0564b4p-1, 0x1.3cf9e1a7a47bbp-1},  // 228
    {0x1.9352ecf5cd4a6p-1, 0x1.3b650a3de9e3ep-1}, {0x1.948f329d4e203p-1, 0x1.39cef413b613fp-1}, {0x1.95c9df6735522p-1, 0x1.3837a0c371c66p-1},  // 231
    {0x1.9702f2157c9d7p-1, 0x1.369f11e8c63c3p-1}, {0x1.983a696bbc387p-1, 0x1.350549209b9c7p-1}, {0x1.9970442f2c125p-1, 0x1.336a480917532p-1},  // 234
    {0x1.9aa48126a5118p-1, 0x1.31ce10419a6ebp-1}, {0x1.9bd720f8745c9p-1, 0x1.3030a0e3d527fp-1}, {0x1.9d081eb089172p-1, 0x1.2e92009d91798p-1},  // 237
    {0x1.9e377afb01e87p-1, 0x1.2cf22e8cd04dp-1}, {0x1.9f6534a547e1fp-1, 0x1.2b512c55d0c9dp-1}, {0x1.a0914a7e6b2ap-1, 0x1.29aefb9e057a7p-1},  // 240
    {0x1.a1bbbb5724302p-1, 0x1.280b9e0c12a26p-1}, {0x1.a2e48601d4df5p-1, 0x1.26671547cc934p-1}, {0x1.a40ba95289cf3p-1, 0x1.24c162fa36003p-1},  // 243
    {0x1.a531241efb72dp-1, 0x1.231a88cd7e506p-1}, {0x1.a654f53e8f467p-1, 0x1.2172886cfff08p-1}, {0x1.a7771b8a58fbp-1, 0x1.1fc963853ea29p-1},  // 246
    {0x1.a89795dd1ba07p-1, 0x1.1e1f1bc3e5cd1p-1}, {0x1.a9b663134acddp-1, 0x1.1c73b2d7c6c89p-1}, {0x1.aad3820b0bc81p-1, 0x1.1ac72a70d72c6p-1},  // 249
    {0x1.abeef1a436a7p-1, 0x1.191984402f1a1p-1}, {0x1.ad08b0c057788p-1, 0x1.176ac1f807879p-1}, {0x1.ae20be42af61ep-1, 0x1.15bae54bb8889p-1},  // 252
    {0x1.af37191035bffp-1, 0x1.1409efefb7964p-1}, {0x1.b04bc00f9944cp-1, 0x1.1257e39995d69p-1}, {0x1.b15eb2294114p-1, 0x1.10a4c1fffe618p-1},  // 255
    {0x1.b26fee474dddcp-1, 0x1.0ef08cdab4866p-1}, {0x1.b37f73559af73p-1, 0x1.0d3b45e2920ecp-1}, {0x1.b48d4041bf717p-1, 0x1.0b84eed185816p-1},  // 258
    {0x1.b59953fb0f2f6p-1, 0x1.09cd896290634p-1}, {0x1.b6a3ad729bf8cp-1, 0x1.08151751c5782p-1}, {0x1.b7ac4d3752e25p-1, 0x1.065b97a9a3fb2p-1},  // 261
    {0x1.b8b32f02d4e87p-1, 0x1.04a1118c05076p-1}, {0x1.b9b8536a45bbap-1, 0x1.02e584072137dp-1}, {0x1.babbb965b95b3p-1, 0x1.0128f0db3eb9ap-1},  // 264
    {0x1.bbbd5fef06f3p-1, 0x1.fed6b39358542p-2}, {0x1.bcbd4601c9e44p-1, 0x1.fb5981297da03p-2}, {0x1.bdbb6a9b62ccdp-1, 0x1.f7da4dffa1ab5p-2},  // 267
    {0x1.beb7ccbaf88c7p-1, 0x1.f4591d9e7efe5p-2}, {0x1.bfb26b6179488p-1, 0x1.f0d5f390d2c5p-2}, {0x1.c0ab45919b6d8p-1, 0x1.ed50d3635939bp-2},  // 270
    {0x1.c1a25a4fdeaf9p-1, 0x1.e9c9c0a4ca0e9p-2}, {0x1.c297a8a28d07fp-1, 0x1.e640bee5d4d5ap-2}, {0x1.c38b2f91bbb21p-1, 0x1.e2b5d1b91d662p-2},  // 273
    {0x1.c47cee274c258p-1, 0x1.df28fcb338402p-2}, {0x1.c56ce36eed0f2p-1, 0x1.db9a436aa6ee5p-2}, {0x1.c65b0e761b47dp-1, 0x1.d809a977d4658p-2},  // 276
    {0x1.c7476e4c22c9bp-1, 0x1.d47732751162ap-2}, {0x1.c83202021fa33p-1, 0x1.d0e2e1fe90c69p-2}, {0x1.c91ac8aafee8ap-1, 0x1.cd4cbbb263fp-2},  // 279
    {0x1.ca01c15b7fa3ep-1, 0x1.c9b4c3307713ap-2}, {0x1.cae6eb2a33c1ep-1, 0x1.c61afc1a8d922p-2}, {0x1.cbca452f80fecp-1, 0x1.c27f6a143e4cep-2},  // 282
    {0x1.ccabce85a1cfep-1, 0x1.bee210c2eff83p-2}, {0x1.cd8b8648a64cp-1, 0x1.bb42f3cdd56bep-2}, {0x1.ce696b967511bp-1, 0x1.b7a216dde9f27p-2},  // 285
    {0x1.cf457ee53ac3fp-1, 0x1.b3ff77ee848fcp-2}, {0x1.d01fbca6d44dfp-1, 0x1.b05b26084ac48p-2}, {0x1.d0f82557fab82p-1, 0x1.acb51f2cc5557p-2},  // 288
    {0x1.d1ceb81df79dap-1, 0x1.a90d670bec4a2p-2}, {0x1.d2a3741fef85p-1, 0x1.a56401576d8c7p-2}, {0x1.d3765886e2bbbp-1, 0x1.a1b8f1c2a92c1p-2},  // 291
    {0x1.d447647dae2f4p-1, 0x1.9e0c3c02ada1dp-2}, {0x1.d51697310c44cp-1, 0x1.9a5de3ce340fep-2}, {0x1.d5e3efcf95ae7p-1, 0x1.96adecdd9c814p-2},  // 294
    {0x1.d6af6d89c23fp-1, 0x1.92fc5aeaea273p-2}, {0x1.d7790f91e9bbbp-1, 0x1.8f4931b1bf952p-2}, {0x1.d840d51c44ac1p-1, 0x1.8b9474ef5afaap-2},  // 297
    {0x1.d906bd5eed27dp-1, 0x1.87de2862925c2p-2}, {0x1.d9cac791dfa2dp-1, 0x1.84264fcbcfc9ep-2}, {0x1.da8cf2eefbb79p-1, 0x1.806ceeed0d956p-2},  // 300
    {0x1.db4d3eb204eefp-1, 0x1.7cb20989d284ep-2}, {0x1.dc0baa18a3871p-1, 0x1.78f5a3672e05fp-2}, {0x1.dcc8346265372p-1, 0x1.7537c04bb45dfp-2},  // 303
    {0x1.dd82dcd0bdf27p-1, 0x1.717863ff7ad93p-2}, {0x1.de3ba2a708a8ap-1, 0x1.6db7924c13f89p-2}, {0x1.def2852a88047p-1, 0x1.69f54efc8b9dap-2},  // 306
    {0x1.dfa783a267287p-1, 0x1.66319ddd63353p-2}, {0x1.e05a9d57ba69ep-1, 0x1.626c82bc8de0ap-2}, {0x1.e10bd19580096p-1, 0x1.5ea601696c9d6p-2},  // 309
    {0x1.e1bb1fa8a0ea2p-1, 0x1.5ade1db4ca6b2p-2}, {0x1.e26887ed65e46p-1, 0x1.5714d58550a47p-2}, {0x1.e3140796abb04p-1, 0x1.534a3883878c6p-2},  // 312
    {0x1.e3bd9f078d304p-1, 0x1.4f7e449af9f9cp-2}, {0x1.e4654d94a4d2bp-1, 0x1.4bb0fda1f459fp-2}, {0x1.e50b12947b1ep-1, 0x1.47e2677019c6bp-2},  // 315
    {0x1.e5aeed5f875bbp-1, 0x1.441285de60243p-2}, {0x1.e650dd5030422p-1, 0x1.40415cc70c3d3p-2}, {0x1.e6f0e1c2cc9b5p-1, 0x1.3c6ef005addeep-2},  // 318
    {0x1.e78efa15a3eadp-1, 0x1.389b43771bf22p-2}, {0x1.e82b25a8ef10ep-1, 0x1.34c65af97094ap-2}, {0x1.e8c563ded8ecp-1, 0x1.30f03a6c05301p-2},  // 321
    {0x1.e95db41b7ef88p-1, 0x1.2d18e5af6e903p-2}, {0x1.e9f415c4f1edfp-1, 0x1.294060a578f7bp-2}, {0x1.ea888843365aep-1, 0x1.2566af312433ep-2},  // 324
    {0x1.eb1b0b00453e4p-1, 0x1.218bd5369faf1p-2}, {0x1.ebab9d680c9f3p-1, 0x1.1dafd69b4681bp-2}, {0x1.ec3a3ee870229p-1, 0x1.19d2b7459b827p-2},  // 327
    {0x1.ecc6eef1499eap-1, 0x1.15f47b1d45552p-2}, {0x1.ed51acf469acdp-1, 0x1.1215260b0a785p-2}, {0x1.edda786598396p-1, 0x1.0e34bbf8cd52p-2},  // 330
    {0x1.ee6150ba9510fp-1, 0x1.0a5340d1883afp-2}, {0x1.eee6356b186c8p-1, 0x1.0670b88149892p-2}, {0x1.ef6925f0d37b1p-1, 0x1.028d26f52f98dp-2},  // 333
    {0x1.efea21c770e94p-1, 0x1.fd512036c9aa1p-3}, {0x1.f069286c95673p-1, 0x1.f585efc6377dp-3}, {0x1.f0e63a21c27cfp-1, 0x1.edb8b846f994p-3},  // 336
    {0x1.f16154e1bcbbep-1, 0x1.e5e999fcb08b8p-3}, {0x1.f1da78f50c8a2p-1, 0x1.de18909cb7ac2p-3}, {0x1.f251a5e143ba4p-1, 0x1.d645a40d650d5p-3},  // 339
    {0x1.f2c6db2df0a0cp-1, 0x1.ce70dc36f71abp-3}, {0x1.f33a18649e8e3p-1, 0x1.c69a41038c95dp-3}, {0x1.f3ab5d10d646bp-1, 0x1.bec1da5f1c97p-3},  // 342
    {0x1.f41aa8c01e77bp-1, 0x1.b6e7b0376e8b6p-3}, {0x1.f487fb01fc2b8p-1, 0x1.af0bca7c1231cp-3}, {0x1.f4f35367f33b4p-1, 0x1.a72e311e57955p-3},  // 345
    {0x1.f55cb18586be7p-1, 0x1.9f4eec114706cp-3}, {0x1.f5c414f039786p-1, 0x1.976e034999136p-3}, {0x1.f6297d3f8e443p-1, 0x1.8f8b7ebdae7afp-3},  // 348
    {0x1.f68cea0d087e1p-1, 0x1.87a7666588238p-3}, {0x1.f6ee5af42c6afp-1, 0x1.7fc1c23abf0bbp-3}, {0x1.f74dcf927f9e4p-1, 0x1.77da9a387c3b3p-3},  // 351
    {0x1.f7ab4787895d3p-1, 0x1.6ff1f65b70b25p-3}, {0x1.f806c274d3005p-1, 0x1.6807dea1cd56ep-3}, {0x1.f8603ffde853p-1, 0x1.601c5b0b3ae0fp-3},  // 354
    {0x1.f8b7bfc857f0fp-1, 0x1.582f7398d1c4dp-3}, {0x1.f90d417bb3a18p-1, 0x1.5041304d121c4p-3}, {0x1.f960c4c190b1p-1, 0x1.4851992bdb8e8p-3},  // 357
    {0x1.f9b2494588484p-1, 0x1.4060b63a65361p-3}, {0x1.fa01ceb537c1cp-1, 0x1.386e8f7f3586p-3}, {0x1.fa4f54c040fcdp-1, 0x1.307b2d021a2d4p-3},  // 360
    {0x1.fa9adb8cbcb1ap-1, 0x1.28868a5d0843fp-3}, {0x1.fae461e2527c4p-1, 0x1.2090c876a5093p-3}, {0x1.fb2be7ee4573ep-1, 0x1.1899e2ed25fecp-3},  // 363
    {0x1.fb716d684ca6ap-1, 0x1.10a1e1cd24903p-3}, {0x1.fbb4f20a25295p-1, 0x1.08a8cd2458c47p-3}, {0x1.fbf6758f925e7p-1, 0x1.00aead01911ap-3},  // 366
    {0x1.fc35f7b65e3b1p-1, 0x1.f16712e954c48p-4}, {0x1.fc73783e5989cp-1, 0x1.e16ed51d0f37p-4}, {0x1.fcaef6e95c2bap-1, 0x1.d174b0c213947p-4},  // 369
    {0x1.fce8737b4556ep-1, 0x1.c178b5fe0fa28p-4}, {0x1.fd1fedb9fbd3bp-1, 0x1.b17af4f88c919p-4}, {0x1.fd55656d6e371p-1, 0x1.a17b7ddadea96p-4},  // 372
    {0x1.fd88da5f931b4p-1, 0x1.917a60d014f3ap-4}, {0x1.fdba4c5c6956ap-1, 0x1.8177ae04e8e4dp-4}, {0x1.fde9bb31f82ffp-1, 0x1.717375a7ae039p-4},  // 375
    {0x1.fe1726b04f912p-1, 0x1.616dc7e8418e1p-4}, {0x1.fe428ea988378p-1, 0x1.5166b4f7fa1e3p-4}, {0x1.fe6bf2f1c3e25p-1, 0x1.415e4d09974bdp-4},  // 378
    {0x1.fe93535f2d7f1p-1, 0x1.3154a051314e5p-4}, {0x1.feb8afc9f953bp-1, 0x1.2149bf04289c1p-4}, {0x1.fedc080c6526fp-1, 0x1.113db9591588fp-4},  // 381
    {0x1.fefd5c02b8664p-1, 0x1.01309f87b7e37p-4}, {0x1.ff1cab8b444a5p-1, 0x1.e2450391cd21ep-5}, {0x1.ff39f68663f89p-1, 0x1.c226e0acfe512p-5},  // 384
    {0x1.ff553cd67ca3ap-1, 0x1.a206f6d6ab1a2p-5}, {0x1.ff6e7e85e047p-1, 0x1.81e534509943p-5}, {0x1.ff85bb2c1b999p-1, 0x1.61c21dfcfae3p-5},  // 387
    {0x1.ff9af2dabccc6p-1, 0x1.419da22345a41p-5}, {0x1.ffae257c525fdp-1, 0x1.2177e13f8b8c8p-5}, {0x1.ffbf52fd75622p-1, 0x1.0150fbcf27226p-5},  // 390
    {0x1.ffce7b4cc9834p-1, 0x1.c25224a1352b3p-6}, {0x1.ffdb9e5afd263p-1, 0x1.82008a86ddd1ep-6}, {0x1.ffe6bc1ac970ap-1, 0x1.41ad6a5026338p-6},  // 393
    {0x1.ffefd480f2584p-1, 0x1.015904ff768e6p-6}, {0x1.fff6e78446ae1p-1, 0x1.82073730ff614p-7}, {0x1.fffbf51da027fp-1, 0x1.015ade3ff2869p-7},  // 396
    {0x1.fffefd47e3678p-1, 0x1.015b026d80523p-8}, {0x1.ffffffffffff7p-1, -0x1.777a5cf72ceccp-25}, {0x1.fffefd41c7ee1p-1, -0x1.015e0c060a567p-8},  // 399
    {0x1.fffbf517ba495p-1, -0x1.015b99fba589p-7}, {0x1.fff6e771f463fp-1, -0x1.8208bbf720a3ap-7}, {0x1.ffefd47526b2dp-1, -0x1.015962db16dcep-6},  // 402
    {0x1.ffe6bbfc409fdp-1, -0x1.41ae2cad13229p-6}, {0x1.ffdb9e494be9bp-1, -0x1.8200e85ec9808p-6}, {0x1.ffce7b220aa74p-1, -0x1.c252e6f4ecaebp-6},  // 405
    {0x1.ffbf52e5ded61p-1, -0x1.01512ab884faap-5}, {0x1.ffae25455e257p-1, -0x1.2178426343ce6p-5}, {0x1.ff9af2bd41501p-1, -0x1.419dd1094dd8bp-5},  // 408
    {0x1.ff85bae8f2defp-1, -0x1.61c27f1906f3bp-5}, {0x1.ff6e7e628051ap-1, -0x1.81e563328e3cep-5}, {0x1.ff553cb02aa15p-1, -0x1.a20725b64f5f4p-5},  // 411
    {0x1.ff39f68951a3bp-1, -0x1.c226dd599cfdfp-5}, {0x1.ff1cab5f0eae6p-1, -0x1.e245326c41e8cp-5}, {0x1.fefd5c061108p-1, -0x1.01309dde39b08p-4},  // 414
    {0x1.fedc07da4ca42p-1, -0x1.113dd0c359792p-4}, {0x1.feb8afcdbcde8p-1, -0x1.2149bd5ae397fp-4}, {0x1.fe93532732dfep-1, -0x1.3154b7b820231p-4},  // 417
    {0x1.fe6bf2f5f246fp-1, -0x1.415e4b60922dap-4}, {0x1.fe428e6bac5e4p-1, -0x1.5166cc5b353cbp-4}, {0x1.fe1726b4e8becp-1, -0x1.616dc63f830c1p-4},  // 420
    {0x1.fde9baee3c16cp-1, -0x1.71738d06d6e03p-4}, {0x1.fdba4c616d3aap-1, -0x1.8177ac5c77b3fp-4}, {0x1.fd88da15f7d3ep-1, -0x1.917a782acd13p-4},  // 423
    {0x1.fd5564ceeacb6p-1, -0x1.a17bae33b4817p-4}, {0x1.fd1fed6a8287bp-1, -0x1.b17b0c4e758a7p-4}, {0x1.fce872d09c912p-1, -0x1.c178e64c8e1acp-4},  // 426
    {0x1.fcaef694061c5p-1, -0x1.d174c812cf10ep-4}, {0x1.fc7377878e1cp-1, -0x1.e16f05607307p-4}, {0x1.fc35f75b2cc16p-1, -0x1.f1672a3484838p-4},  // 429
    {0x1.fbf674cca72b8p-1, -0x1.00aec51d54204p-3}, {0x1.fbb4f1a919b5fp-1, -0x1.08a8d8c6fbaffp-3}, {0x1.fb716c9944c28p-1, -0x1.10a1f9e2973eep-3},  // 432
    {0x1.fb2be787618f2p-1, -0x1.1899ee8ca4ecfp-3}, {0x1.fae46107312bfp-1, -0x1.2090e08566042p-3}, {0x1.fa9adb2001fb6p-1, -0x1.288695f934384p-3},  // 435
    {0x1.fa4f54509b7cbp-1, -0x1.307b389c8b074p-3}, {0x1.fa01cebd59036p-1, -0x1.386e8eac897d7p-3}, {0x1.f9b248d00e92dp-1, -0x1.4060c1d13cb48p-3},  // 438
    {0x1.f960c4ca1bc71p-1, -0x1.4851985972921p-3}, {0x1.f90d41006791ap-1, -0x1.50413be021657p-3}, {0x1.f8b7bfd14cb8fp-1, -0x1.582f72c6af27p-3},  // 441
    {0x1.f8603f7ccbdb3p-1, -0x1.601c669a532a9p-3}, {0x1.f806c27e3156p-1, -0x1.6807ddcff4695p-3}, {0x1.f7ab47009e876p-1, -0x1.6ff201e66342p-3},  // 444
    {0x1.f74dcf9c475bdp-1, -0x1.77da9966f04e2p-3}, {0x1.f6ee5a6775589p-1, -0x1.7fc1cdc15d37fp-3}, {0x1.f68cea17397bep-1, -0x1.87a765944c86p-3},  // 447
    {0x1.f6297cad0d2ep-1, -0x1.8f8b8a3fc9abbp-3}, {0x1.f5c413bad4e7cp-1, -0x1.976e1b1a118ecp-3}, {0x1.f55cb0ed3df4cp-1, -0x1.9f4ef78eb0b62p-3},  // 450
    {0x1.f4f3522698b93p-1, -0x1.a72e48e4e7ac4p-3}, {0x1.f487fa63ee15fp-1, -0x1.af0bd5f49bedp-3}, {0x1.f41aa772d3173p-1, -0x1.b6e7c7f3b6209p-3},  // 453
    {0x1.f3ab5c6d05644p-1, -0x1.bec1e5d297feep-3}, {0x1.f33a170b6792cp-1, -0x1.c69a58b52bb58p-3}, {0x1.f2c6da845f879p-1, -0x1.ce70e7a535e49p-3},  // 456
    {0x1.f251a47c26975p-1, -0x1.d645bbb3fbeeep-3}, {0x1.f1da7845bde7cp-1, -0x1.de189c058ba27p-3}, {0x1.f1615370bf153p-1, -0x1.e5e9b197df92dp-3},  // 459
    {0x1.f0e6396cb9161p-1, -0x1.edb8c3aa34973p-3}, {0x1.f06927b4afaa9p-1, -0x1.f585fb2694bd4p-3}, {0x1.efea21d4b1b63p-1, -0x1.fd511f685152dp-3},  // 462
    {0x1.ef692533374c6p-1, -0x1.028d2ca26f3cfp-2}, {0x1.eee63578c0e6dp-1, -0x1.0670b81a43794p-2}, {0x1.ee614ff7456ebp-1, -0x1.0a53467bc1f03p-2},  // 465
    {0x1.edda7873a829ep-1, -0x1.0e34bb91fefe6p-2}, {0x1.ed51ac2b69ac9p-1, -0x1.12152bb22758p-2}, {0x1.ecc6eeffc0cc8p-1, -0x1.15f47ab6b05d6p-2},  // 468
    {0x1.ec3a3e19c2f0ep-1, -0x1.19d2bce984b29p-2}, {0x1.ebab9d76eacffp-1, -0x1.1dafd634ec847p-2}, {0x1.eb1b0a2bee1eap-1, -0x1.218bdad73e629p-2},  // 471
    {0x1.ea8888527b526p-1, -0x1.2566aecb06cfp-2}, {0x1.e9f414eaf43acp-1, -0x1.29406642b66ecp-2}, {0x1.e95db252340b7p-1, -0x1.2d18f14c56675p-2},  // 474
    {0x1.e8c562ff38169p-1, -0x1.30f04005cab88p-2}, {0x1.e82b23d3fb17fp-1, -0x1.34c6668f1215fp-2}, {0x1.e78ef930637b2p-1, -0x1.389b490d52e7ep-2},  // 477
    {0x1.e6f0dfe236fe4p-1, -0x1.3c6efb93da359p-2}, {0x1.e650dc6553d6ep-1, -0x1.404162599e0a8p-2}, {0x1.e5aeeb7357b14p-1, -0x1.44129164e899bp-2},  // 480
    {0x1.e50b11a4066cbp-1, -0x1.47e26cfeefe4ap-2}, {0x1.e4654b9ce2e09p-1, -0x1.4bb10920aa569p-2}, {0x1.e3bd9e118404fp-1, -0x1.4f7e4a25fdf05p-2},  // 483
    {0x1.e31405935f6aep-1, -0x1.534a43fa3c98p-2}, {0x1.e26886f1cc21bp-1, -0x1.5714db0c6c0b4p-2}, {0x1.e1bb1eaa40537p-1, -0x1.5ade2339e924ap-2},  // 486
    {0x1.e10bd1a7bfb4fp-1, -0x1.5ea6010548cefp-2}, {0x1.e05a9c53cf39ep-1, -0x1.626c883da28b6p-2}, {0x1.dfa783b50b5abp-1, -0x1.66319d798992ep-2},  // 489
    {0x1.def284211655ep-1, -0x1.69f554797ff94p-2}, {0x1.de3ba2ba11164p-1, -0x1.6db791e88616p-2}, {0x1.dd82dbc1c9f67p-1, -0x1.7178697838b62p-2},  // 492
    {0x1.dcc83475d1934p-1, -0x1.7537bfe873cd9p-2}, {0x1.dc0ba9043184ep-1, -0x1.78f5a8db9f459p-2}, {0x1.db4d3ec5d4ebp-1, -0x1.7cb20926e0d7fp-2},  // 495
    {0x1.da8cf1d5100cdp-1, -0x1.806cf45d1c2a7p-2}, {0x1.d9cac7a612eebp-1, -0x1.84264f692e906p-2}, {0x1.d906bc3f8c482p-1, -0x1.87de2dce284b4p-2},  // 498
    {0x1.d840d2c37acddp-1, -0x1.8b9480244cf52p-2}, {0x1.d7790e6d1830ep-1, -0x1.8f493718c6f4ep-2}, {0x1.d6af6b25b8f9bp-1, -0x1.92fc66165597bp-2},  // 501
    {0x1.d5e3eea558183p-1, -0x1.96adf23fff7aap-2}, {0x1.d51694c1cd42bp-1, -0x1.9a5deeefebcefp-2}, {0x1.d447634e09434p-1, -0x1.9e0c41605670ap-2},  // 504
    {0x1.d376560c77d44p-1, -0x1.a1b8fcda80399p-2}, {0x1.d2a372eae80ecp-1, -0x1.a56406b0467f9p-2}, {0x1.d1ceb5986ad5ap-1, -0x1.a90d7219b5cdep-2},  // 507
    {0x1.d0f8241d9598ep-1, -0x1.acb52480b8cf4p-2}, {0x1.d01fba162fd6ep-1, -0x1.b05b310bda0edp-2}, {0x1.cf457da57cf2ap-1, -0x1.b3ff7d3d7d066p-2},  // 510
    {0x1.ce696a540cc68p-1, -0x1.b7a21c2a5cd61p-2}, {0x1.cd8b865fb7d89p-1, -0x1.bb42f36dc0ddbp-2}, {0x1.ccabcd3de86dbp-1, -0x1.bee2160a47afbp-2},  // 513
    {0x1.cbca4546f2f39p-1, -0x1.c27f69b487444p-2}, {0x1.cae6e9dd2e756p-1, -0x1.c61b015cb4c69p-2}, {0x1.ca01c17351a22p-1, -0x1.c9b4c2d11f138p-2},  // 516
    {0x1.c91ac758b2f43p-1, -0x1.cd4cc0ef455f8p-2}, {0x1.c832021a514aap-1, -0x1.d0e2e19f99506p-2}, {0x1.c7476cf49584ep-1, -0x1.d47737ac97e09p-2},  // 519
    {0x1.c65b0e8eac36ap-1, -0x1.d809a9193ef92p-2}, {0x1.c56ce21223e6cp-1, -0x1.db9a489cbd63cp-2}, {0x1.c47cee403bf86p-1, -0x1.df28fc55065cp-2},  // 522
    {0x1.c38b2e2fbc281p-1, -0x1.e2b5d6e5aed21p-2}, {0x1.c297a5c00d6abp-1, -0x1.e640c9972fcbcp-2}, {0x1.c1a258e8ae5b1p-1, -0x1.e9c9c5cbc1866p-2},  // 525
    {0x1.c0ab42a461c91p-1, -0x1.ed50de0904edap-2}, {0x1.bfb269f51dd58p-1, -0x1.f0d5f8b21b74cp-2}, {0x1.beb7c9c310b5ap-1, -0x1.f459283850657p-2},  // 528
    {0x1.bdbb6929e1fc5p-1, -0x1.f7da531b26d5ep-2}, {0x1.bcbd42ff3fdbp-1, -0x1.fb598bb749dfap-2}, {0x1.bbbd5e78669abp-1, -0x1.fed6b8a90553dp-2},  // 531
    {0x1.babbb658994a8p-1, -0x1.0128f61c0cf07p-1}, {0x1.b9b851ee8bc5fp-1, -0x1.02e5868f015b3p-1}, {0x1.b8b32beb2b261p-1, -0x1.04a116c6a618dp-1},  // 534
    {0x1.b7ac4bb6854e6p-1, -0x1.065b9a2e8386ep-1}, {0x1.b6a3abef46d7dp-1, -0x1.081519d520e37p-1}, {0x1.b5995416b9bd3p-1, -0x1.09cd8935042ccp-1},  // 537
    {0x1.b48d3eb95fd74p-1, -0x1.0b84f151d1134p-1}, {0x1.b37f7371a0e11p-1, -0x1.0d3b45b53dd47p-1}, {0x1.b26fecb9e9fc9p-1, -0x1.0ef08f57e6226p-1},  // 540
    {0x1.b15eb245a1e8bp-1, -0x1.10a4c1d2e2dabp-1}, {0x1.b04bbe7d3763p-1, -0x1.1257e613a36cdp-1}, {0x1.af37192cf10ccp-1, -0x1.1409efc2d5794p-1},  // 543
    {0x1.ae20bcab55da5p-1, -0x1.15bae7c29815ep-1}, {0x1.ad08b0dd6cc93p-1, -0x1.176ac1cb5f89dp-1}, {0x1.abeef007ebe84p-1, -0x1.191986b3d6a82p-1},  // 546
    {0x1.aad382287aa71p-1, -0x1.1ac72a446a027p-1}, {0x1.a9b66172155aap-1, -0x1.1c73b5482c6ep-1}, {0x1.a897927802f9ap-1, -0x1.1e1f20cd99687p-1},  // 549
    {0x1.a77719e43f6ap-1, -0x1.1fc965f258834p-1}, {0x1.a654f1cf5c6a7p-1, -0x1.21728d6fd5f61p-1}, {0x1.a5312274046e5p-1, -0x1.231a8b37429d7p-1},  // 552
    {0x1.a40ba5d94aa03p-1, -0x1.24c167f61a2dfp-1}, {0x1.a2e4845207255p-1, -0x1.266717ae318b5p-1}, {0x1.a1bbb7d3e6b8fp-1, -0x1.280ba300f0d28p-1},  // 555
    {0x1.a09148c9cd8c3p-1, -0x1.29aefe010169dp-1}, {0x1.9f6531181a55ep-1, -0x1.2b51314394f2ep-1}, {0x1.9e3779419b4bdp-1, -0x1.2cf230ec598dcp-1},  // 558
    {0x1.9d081b1979d19p-1, -0x1.2e92058427aebp-1}, {0x1.9bd71f3a4bb98p-1, -0x1.3030a33fe222p-1}, {0x1.9aa47f661e0abp-1, -0x1.31ce129be5ae1p-1},  // 561
    {0x1.9970444f2b6c1p-1, -0x1.336a47de79787p-1}, {0x1.983a67a67dc3ep-1, -0x1.35054b775c4bap-1}, {0x1.9702f235d165dp-1, -0x1.369f11be690d3p-1},  // 564
    {0x1.95c9dd9d46981p-1, -0x1.3837a3169e70ep-1}, {0x1.948f32bdf7d48p-1, -0x1.39cef3e99a3bcp-1}, {0x1.9352eb273586p-1, -0x1.3b650c8d7923ap-1},  // 567
    {0x1.92150fd154677p-1, -0x1.3cf9e17dcaa4ap-1}, {0x1.90d59a3aef117p-1, -0x1.3e8d7b03a7c36p-1}, {0x1.8f949373703ccp-1, -0x1.401fcdacc0429p-1},  // 570
    {0x1.8e51f4e8d6fc2p-1, -0x1.41b0e1b507f6bp-1}, {0x1.8d0dc7c17f66p-1, -0x1.4340abbc7d2efp-1}, {0x1.8bc8055ae796cp-1, -0x1.44cf33f1cd466p-1},  // 573
    {0x1.8a80b2f0ecd68p-1, -0x1.465c73ded108fp-1}, {0x1.8937d5d488a9fp-1, -0x1.47e8651eb4675p-1}, {0x1.87ed674aaa0e8p-1, -0x1.49730fcbfd075p-1},  // 576
    {0x1.86a170b265f93p-1, -0x1.4afc68b53630bp-1}, {0x1.8553eb406dfb2p-1, -0x1.4c8477e74cc3ep-1}, {0x1.8404e06a455efp-1, -0x1.4e0b3243ba3e9p-1},  // 579
    {0x1.82b449547bc0ep-1, -0x1.4f909fc9b2305p-1}, {0x1.81622f8adc83ep-1, -0x1.5114b56dc93ffp-1}, {0x1.800e8c21f107bp-1, -0x1.52977b2159583p-1},  // 582
    {0x1.7eb968bba630ap-1, -0x1.5418e5ec3eef3p-1}, {0x1.7d62be5c9b1b3p-1, -0x1.5598fdb1da2ecp-1}, {0x1.7c0a96bcb73c3p-1, -0x1.5717b78d7bb47p-1},  // 585
    {0x1.7ab0ead0cba68p-1, -0x1.58951b546a05cp-1}, {0x1.7955c46693162p-1, -0x1.5a111e3595f1p-1}, {0x1.77f91c632d0dbp-1, -0x1.5b8bc7f80cadp-1},  // 588
    {0x1.769afca9ffee9p-1, -0x1.5d050dde8af2ep-1}, {0x1.753b5e1096642p-1, -0x1.5e7cf7a1c539dp-1}, {0x1.73da4a8fda7bcp-1, -0x1.5ff37a986f8fdp-1},  // 591
    {0x1.7277baeddf019p-1, -0x1.61689e6cc6757p-1}, {0x1.7113b938e95e8p-1, -0x1.62dc5889a0671p-1}, {0x1.6fae3e27b1b5fp-1, -0x1.644eb08aa2f21p-1},  // 594
    {0x1.6e4753ddb025dp-1, -0x1.65bf9beef1c9p-1}, {0x1.6cdef3025f9d1p-1, -0x1.672f22437cc4fp-1}, {0x1.6b7525ce41f26p-1, -0x1.689d391bdf444p-1},  // 597
    {0x1.6a09e4d9b2926p-1, -0x1.6a09e7f634e57p-1}, {0x1.689d35fc3dc28p-1, -0x1.6b7528e7a1f1cp-1}, {0x1.672f1f20bf467p-1, -0x1.6cdef6189a30cp-1},  // 600
    {0x1.65bf98c91b6f6p-1, -0x1.6e4756f0c2255p-1}, {0x1.644ead61b6f55p-1, -0x1.6fae4137980fbp-1}, {0x1.62dc555da1ef1p-1, -0x1.7113bc45a0f06p-1},  // 603
    {0x1.61689b3db8c08p-1, -0x1.7277bdf764c07p-1}, {0x1.5ff3776655ccp-1, -0x1.73da4d962b4bep-1}, {0x1.5e7cf46ca2ab9p-1, -0x1.753b6113af41p-1},  // 606
    {0x1.5d050aa662ce9p-1, -0x1.769affa9ddc2bp-1}, {0x1.5b8bc4bce23dp-1, -0x1.77f91f5fccdb4p-1}, {0x1.5a111af76c6fdp-1, -0x1.7955c75ff1ce3p-1},  // 609
    {0x1.5895181344c3dp-1, -0x1.7ab0edc6e651cp-1}, {0x1.5717b4495df27p-1, -0x1.7c0a99af8ad24p-1}, {0x1.5598fa6ac742fp-1, -0x1.7d62c14c24ab7p-1},  // 612
    {0x1.5418e2a23a205p-1, -0x1.7eb96ba7e2b94p-1}, {0x1.529777d466028p-1, -0x1.800e8f0add9eep-1}, {0x1.5114b21deab03p-1, -0x1.81623270762e5p-1},  // 615
    {0x1.4f909c76ebc88p-1, -0x1.82b44c36bf9b8p-1}, {0x1.4e0b2eee0f518p-1, -0x1.8404e34930753p-1}, {0x1.4c84748ec0b94p-1, -0x1.8553ee1bfd70cp-1},  // 618
    {0x1.4afc6559cc614p-1, -0x1.86a1738a96e05p-1}, {0x1.49730c6db8e08p-1, -0x1.87ed6a1f7991cp-1}, {0x1.47e861bd9947cp-1, -0x1.8937d8a5f3e23p-1},  // 621
    {0x1.465c707ae263dp-1, -0x1.8a80b5bef0f54p-1}, {0x1.44cf308b0e7ffp-1, -0x1.8bc8082581bbbp-1}, {0x1.4340a852f1b75p-1, -0x1.8d0dca88acbeep-1},  // 624
    {0x1.41b0de48b3497p-1, -0x1.8e51f7ac94c5p-1}, {0x1.401fca3da5ccbp-1, -0x1.8f949633bb9f8p-1}, {0x1.3e8d7791cb06p-1, -0x1.90d59cf7c5511p-1},  // 627
    {0x1.3cf9de092f125p-1, -0x1.9215128ab2b4ep-1}, {0x1.3b6509162243p-1, -0x1.9352eddd192b5p-1}, {0x1.39cef06f8b851p-1, -0x1.948f35705e098p-1},  // 630
    {0x1.38379f99db703p-1, -0x1.95c9e04c2cadfp-1}, {0x1.369f0e3ef5403p-1, -0x1.9702f4e1349b6p-1}, {0x1.350547f53b43ep-1, -0x1.983a6a4e5b717p-1},  // 633
    {0x1.336a4459aeb92p-1, -0x1.997046f380d78p-1}, {0x1.31ce0f1474cep-1, -0x1.9aa48206e893ap-1}, {0x1.30309fb5cea9fp-1, -0x1.9bd721d788accp-1},  // 636
    {0x1.2e9201f7753a8p-1, -0x1.9d081db32695fp-1}, {0x1.2cf22d5d0babbp-1, -0x1.9e377bd7b5357p-1}, {0x1.2b512db1af441p-1, -0x1.9f6533aa9ed2dp-1},  // 639
    {0x1.29aefa6c8781cp-1, -0x1.a0914b58b9f7ap-1}, {0x1.280b9f69e6579p-1, -0x1.a1bbba5f38884p-1}, {0x1.266714149a164p-1, -0x1.a2e486d9bbbbp-1},  // 642
    {0x1.24c16459f96a2p-1, -0x1.a40ba85d5f78dp-1}, {0x1.231a87989c28fp-1, -0x1.a53124f476f3cp-1}, {0x1.217289cead813p-1, -0x1.a654f44c2a20cp-1},  // 645
    {0x1.1fc9624eb1b15p-1, -0x1.a7771c5d65c24p-1}, {0x1.1e1f1d2777eecp-1, -0x1.a89794ed7f7f5p-1}, {0x1.1c73b19f93f4fp-1, -0x1.a9b663e3e5861p-1},  // 648
    {0x1.1ac726995e3c9p-1, -0x1.aad384969bffdp-1}, {0x1.191983065b522p-1, -0x1.abeef2725c051p-1}, {0x1.176abe1b7853ap-1, -0x1.ad08b344292d7p-1},  // 651
    {0x1.15bae41048c1p-1, -0x1.ae20bf0e5c246p-1}, {0x1.1409ec0e21ba8p-1, -0x1.af371b8c3ec77p-1}, {0x1.1257e25c8f0a9p-1, -0x1.b04bc0d8ca344p-1},  // 654
    {0x1.10a4be19718eap-1, -0x1.b15eb49d7762dp-1}, {0x1.0ef08b9c1bb78p-1, -0x1.b26fef0dffcdp-1}, {0x1.0d3b41f71e096p-1, -0x1.b37f75c1f4a1bp-1},  // 657
    {0x1.0b84ed915fb7ap-1, -0x1.b48d4105ef3d2p-1}, {0x1.09cd85724504p-1, -0x1.b599565f8269cp-1}, {0x1.0815161017c1bp-1, -0x1.b6a3ae344687ep-1},  // 660
    {0x1.065b966734346p-1, -0x1.b7ac4df7b9aaep-1}, {0x1.04a112fd146e3p-1, -0x1.b8b32e2891f39p-1}, {0x1.02e582c331255p-1, -0x1.b9b8542822b51p-1},  // 663
    {0x1.0128f24e020c8p-1, -0x1.babbb88e5e277p-1}, {0x1.fed6b10881d2ap-2, -0x1.bbbd60aa571dcp-1}, {0x1.fb59841260685p-2, -0x1.bcbd452d59d84p-1},  // 666
    {0x1.f7da4b71df147p-2, -0x1.bdbb6b542333ap-1}, {0x1.f459208ab225ap-2, -0x1.beb7cbe97702fp-1}, {0x1.f0d5f1002e6bap-2, -0x1.bfb26c17a7009p-1},  // 669
    {0x1.ed50d652d0ef7p-2, -0x1.c0ab44c30bb58p-1}, {0x1.e9c9be114e511p-2, -0x1.c1a25b0376d86p-1}, {0x1.e640c1d8853c1p-2, -0x1.c297a7d6f2647p-1},  // 672
    {0x1.e2b5cf22d4aeap-2, -0x1.c38b3042bb75ap-1}, {0x1.df28f48e047cep-2, -0x1.c47cf04f5380fp-1}, {0x1.db9a40d19bb22p-2, -0x1.c56ce41d51a1ep-1},  // 675
    {0x1.d809a14a05488p-2, -0x1.c65b1095ee076p-1}, {0x1.d4772fd94e224p-2, -0x1.c7476ef7e96abp-1}, {0x1.d0e2d9c847604p-2, -0x1.c8320419b5306p-1},  // 678
    {0x1.cd4cb913f336dp-2, -0x1.c91ac95424e17p-1}, {0x1.c9b4baf1d4969p-2, -0x1.ca01c36acf899p-1}, {0x1.c61af97979f68p-2, -0x1.cae6ebd0b666ap-1},  // 681
    {0x1.c27f61cd640d8p-2, -0x1.cbca473682e95p-1}, {0x1.bee20e1f441bp-2, -0x1.ccabcf297e7f9p-1}, {0x1.bb42eb7ee4dfbp-2, -0x1.cd8b884752095p-1},  // 684
    {0x1.b7a21437b07f3p-2, -0x1.ce696c37a935cp-1}, {0x1.b3ff754708531p-2, -0x1.cf457f8519ab3p-1}, {0x1.b05b2911a517p-2, -0x1.d01fbbf1cb008p-1},  // 687
    {0x1.acb51c82cb972p-2, -0x1.d0f825f52d465p-1}, {0x1.a90d6a181874dp-2, -0x1.d1ceb76bfd36ep-1}, {0x1.a563feab01118p-2, -0x1.d2a374ba733ebp-1},  // 690
    {0x1.a1b8f4d19add1p-2, -0x1.d37657d7fa0bp-1}, {0x1.9e0c3953d9391p-2, -0x1.d447651580a3cp-1}, {0x1.9a5de6dfdeeap-2, -0x1.d5169685380d5p-1},  // 693
    {0x1.96adea2c6b034p-2, -0x1.d5e3f064b4781p-1}, {0x1.92fc5dff41c27p-2, -0x1.d6af6ce105376p-1}, {0x1.8f492efe3be4p-2, -0x1.d7791024527fap-1},  // 696
    {0x1.8b94780652e4p-2, -0x1.d840d476a17e7p-1}, {0x1.87de25acc7635p-2, -0x1.d906bdee9d962p-1}, {0x1.842647446f094p-2, -0x1.d9cac9510d266p-1},  // 699
    {0x1.806cec3506499p-2, -0x1.da8cf37bf18b7p-1}, {0x1.7cb200fb7cd14p-2, -0x1.db4d40689bf86p-1}, {0x1.78f5a0acf564fp-2, -0x1.dc0baaa2dc86ap-1},  // 702
    {0x1.7537b7b68c4dep-2, -0x1.dcc836105ed96p-1}, {0x1.717861431be99p-2, -0x1.dd82dd5837eefp-1}, {0x1.6db789b03c3e2p-2, -0x1.de3ba44c5e198p-1},  // 705
    {0x1.69f54c3e116eap-2, -0x1.def285af40da3p-1}, {0x1.6631953afe9dap-2, -0x1.dfa7853f11c0cp-1}, {0x1.626c7ffc038a2p-2, -0x1.e05a9dd9b0005p-1},  // 708
    {0x1.5ea5f8c09e105p-2, -0x1.e10bd3297944dp-1}, {0x1.5ade1af23b0d4p-2, -0x1.e1bb2027d134p-1}, {0x1.5714d2c1c2fp-2, -0x1.e268886b32c43p-1},  // 711
    {0x1.534a3baca0e36p-2, -0x1.e31407089a5efp-1}, {0x1.4f7e41d577fd6p-2, -0x1.e3bd9f8291c46p-1}, {0x1.4bb100cd42959p-2, -0x1.e4654d09c2036p-1},  // 714
    {0x1.47e264a8aeb6cp-2, -0x1.e50b130cb5751p-1}, {0x1.4412890bd674bp-2, -0x1.e5aeecd7d53fcp-1}, {0x1.404159fdc3559p-2, -0x1.e650ddc59e763p-1},  // 717
    {0x1.3c6ef3353f6bdp-2, -0x1.e6f0e13e4d576p-1}, {0x1.389b40ac00764p-2, -0x1.e78efa8844213p-1}, {0x1.34c65e2b107d1p-2, -0x1.e82b2527a4bc8p-1},  // 720
    {0x1.30f0379f226aep-2, -0x1.e8c5644ea9553p-1}, {0x1.2d18e8e30feacp-2, -0x1.e95db39d6b9e6p-1}, {0x1.29405dd6da3b4p-2, -0x1.e9f41631f0c6p-1},  // 723
    {0x1.2566a65c9d679p-2, -0x1.ea8889953b8b6p-1}, {0x1.218bd26650547p-2, -0x1.eb1b0b6a70cc8p-1}, {0x1.1dafcdc1824fcp-2, -0x1.ebab9eb12ea38p-1},  // 726
    {0x1.19d2b473a6e97p-2, -0x1.ec3a3f4fc6b9dp-1}, {0x1.15f4723e67853p-2, -0x1.ecc6f03183444p-1}, {0x1.121523377c07ap-2, -0x1.ed51ad58e9ab6p-1},  // 729
    {0x1.0e34b314f9c02p-2, -0x1.edda799ce471bp-1}, {0x1.0a533dfc6b5f8p-2, -0x1.ee61511c3ce08p-1}, {0x1.0670af98a4258p-2, -0x1.eee63699724d3p-1},  // 732
    {0x1.028d241e8fc5fp-2, -0x1.ef69264fa190ep-1}, {0x1.fd510e5c2346bp-3, -0x1.efea22ecd3acp-1}, {0x1.f585ea1608db4p-3, -0x1.f06928c88843fp-1},  // 735
    {0x1.edb8b2955c10dp-3, -0x1.f0e63a7c472edp-1}, {0x1.e5e9a07ecbb8ep-3, -0x1.f161547c01a85p-1}, {0x1.de188ae84daf7p-3, -0x1.f1da794cb3d9cp-1},  // 738
    {0x1.d645aa92a53b9p-3, -0x1.f251a57eceebep-1}, {0x1.ce70d67fd7b44p-3, -0x1.f2c6db82b92bcp-1}, {0x1.c69a478bd768dp-3, -0x1.f33a18057193p-1},  // 741
    {0x1.bec1d4a55ee1ap-3, -0x1.f3ab5d62beb66p-1}, {0x1.b6e7b6c2a99adp-3, -0x1.f41aa8643ad06p-1}, {0x1.af0bc4bfcd52dp-3, -0x1.f487fb510334bp-1},  // 744
    {0x1.a72e37ac686dp-3, -0x1.f4f3530f5a5b6p-1}, {0x1.9f4ee652922dcp-3, -0x1.f55cb1d1ab21bp-1}, {0x1.976e09da65338p-3, -0x1.f5c4149aecc61p-1},  // 747
    {0x1.8f8b78fca0e15p-3, -0x1.f6297d88cecdbp-1}, {0x1.87a7544db8befp-3, -0x1.f68ceaeea3fedp-1}, {0x1.7fc1bc776ff46p-3, -0x1.f6ee5b3a87f29p-1},  // 750
    {0x1.77da8819bafcbp-3, -0x1.f74dd06b012a1p-1}, {0x1.6ff1f095f7695p-3, -0x1.f7ab47cafec68p-1}, {0x1.6807cc7c637efp-3, -0x1.f806c344372bep-1},  // 753
    {0x1.601c5543aebb1p-3, -0x1.f860403e768d5p-1}, {0x1.582f616d08aebp-3, -0x1.f8b7c08e9b75fp-1}, {0x1.50412a838a76ap-3, -0x1.f90d41b959a7dp-1},  // 756
    {0x1.485186f9fcaf8p-3, -0x1.f960c57eb06dep-1}, {0x1.4060b06ef975ep-3, -0x1.f9b2498045217p-1}, {0x1.386e7d478a6bbp-3, -0x1.fa01cf6930bap-1},  // 759
    {0x1.307b2734e1bf5p-3, -0x1.fa4f54f813bb5p-1}, {0x1.2886848ef248ep-3, -0x1.fa9adbc31a0b3p-1}, {0x1.2090cf189d0f2p-3, -0x1.fae461a5e875ap-1},  // 762
    {0x1.1899dd1d6686cp-3, -0x1.fb2be821b764bp-1}, {0x1.10a1e870f50ddp-3, -0x1.fb716d2f3895bp-1}, {0x1.08a8c753074dep-3, -0x1.fbb4f23aaae17p-1},  // 765
    {0x1.00aeb3a71f37cp-3, -0x1.fbf67559d529fp-1}, {0x1.f1670743bce37p-4, -0x1.fc35f7e3f6f65p-1}, {0x1.e16ee26b70f55p-4, -0x1.fc73780bf40aep-1},  // 768
    {0x1.d174a519b5d4dp-4, -0x1.fcaef7140731bp-1}, {0x1.c178c34f81194p-4, -0x1.fce8734c38596p-1}, {0x1.b17ae94d9813cp-4, -0x1.fd1fede1b8781p-1},  // 771
    {0x1.a17b8b2f2a019p-4, -0x1.fd556541ba793p-1}, {0x1.917a5522b8e2ap-4, -0x1.fd88da8460bd6p-1}, {0x1.81778950fd3bp-4, -0x1.fdba4ccb6ef02p-1},  // 774
    {0x1.717369f819942p-4, -0x1.fde9bb53d63afp-1}, {0x1.616da32da6511p-4, -0x1.fe1727161add3p-1}, {0x1.5166a9465c8ddp-4, -0x1.fe428ec876228p-1},  // 777
    {0x1.415e2848e0f63p-4, -0x1.fe6bf34e53456p-1}, {0x1.3154949db9e3p-4, -0x1.fe93537b2acdp-1}, {0x1.21499a3debc12p-4, -0x1.feb8b01d4b57bp-1},  // 780
    {0x1.113dada3f39p-4, -0x1.fedc08257166bp-1}, {0x1.01307abc892cdp-4, -0x1.fefd5c4ccbba4p-1}, {0x1.e244ec2492bcep-5, -0x1.ff1caba15f16ap-1},  // 783
    {0x1.c226970de6a7ep-5, -0x1.ff39f6c737712p-1}, {0x1.a206df66d8f64p-5, -0x1.ff553ce9a5a33p-1}, {0x1.81e51cdf9ec4ep-5, -0x1.ff6e7e97904p-1},  // 786
    {0x1.61c238c2e5899p-5, -0x1.ff85bb1997921p-1}, {0x1.419d8ab04188cp-5, -0x1.ff9af2e97a88fp-1}, {0x1.2177fc0793b9fp-5, -0x1.ffae256d2bc52p-1},  // 789
    {0x1.0150e45a78357p-5, -0x1.ffbf530940a69p-1}, {0x1.c2525a34a80c1p-6, -0x1.ffce7b410092ap-1}, {0x1.82005b9ae7f95p-6, -0x1.ffdb9e63d5c2dp-1},  // 792
    {0x1.41ad9fe62304dp-6, -0x1.ffe6bc125e59cp-1}, {0x1.0158d611a6665p-6, -0x1.ffefd486d8295p-1}, {0x1.8207a2605ba5p-7, -0x1.fff6e77f3992fp-1},  // 795
    {0x1.015a806219048p-7, -0x1.fffbf5209315bp-1}, {0x1.015bd8cf9b818p-8, -0x1.fffefd46345c9p-1}, {-0x1.777a5cf72cec6p-24, -0x1.fffffffffffdep-1},  // 798
    {-0x1.015ec7c2d9f1bp-8, -0x1.fffefd404e71cp-1}, {-0x1.015d89f60831ap-7, -0x1.fffbf508253c3p-1}, {-0x1.820787bb7bcabp-7, -0x1.fff6e7807b03dp-1},  // 801
    {-0x1.015991c8e7035p-6, -0x1.ffefd46f40de8p-1}, {-0x1.41ae5b9a0dd5dp-6, -0x1.ffe6bbf4e15fcp-1}, {-0x1.8201e04c50cfp-6, -0x1.ffdb9e1a8de78p-1},  // 804
    {-0x1.c2524ce345657p-6, -0x1.ffce7b43ee863p-1}, {-0x1.0151422d33e5fp-5, -0x1.ffbf52da138e6p-1}, {-0x1.217859d729294p-5, -0x1.ffae25381998cp-1},  // 807
    {-0x1.419e4cf067fep-5, -0x1.ff9af26f5d4ccp-1}, {-0x1.61c2321b26866p-5, -0x1.ff85bb1e31d8ep-1}, {-0x1.81e57aa388b8ap-5, -0x1.ff6e7e50d0556p-1},  // 810
    {-0x1.a2073d2621807p-5, -0x1.ff553c9d019e8p-1}, {-0x1.c22759293a1f8p-5, -0x1.ff39f61c4c8abp-1}, {-0x1.e244e57e31a77p-5, -0x1.ff1caba7a5666p-1},  // 813
    {-0x1.0130a9941f30bp-4, -0x1.fefd5bee7d752p-1}, {-0x1.113ddc787b705p-4, -0x1.fedc07c140612p-1}, {-0x1.2149fb330aa3ep-4, -0x1.feb8af419d92ap-1},  // 816
    {-0x1.3154914b6e12ep-4, -0x1.fe9353831cc03p-1}, {-0x1.415e571322942p-4, -0x1.fe6bf2d87c9abp-1}, {-0x1.5166d80cd2cafp-4, -0x1.fe428e4cbe701p-1},  // 819
    {-0x1.616e04041a8d3p-4, -0x1.fe172609b819dp-1}, {-0x1.717366a6e833dp-4, -0x1.fde9bb5d73511p-1}, {-0x1.8177b80af5daap-4, -0x1.fdba4c3e17515p-1},  // 822
    {-0x1.917a83d829217p-4, -0x1.fd88d9f12a2eap-1}, {-0x1.a17bb9dfe2aa5p-4, -0x1.fd5564a8a58f4p-1}, {-0x1.b17b49f51d337p-4, -0x1.fd1fec988b96dp-1},  // 825
    {-0x1.c178bffffc30dp-4, -0x1.fce87357ea7e1p-1}, {-0x1.d174d3bb2ccdap-4, -0x1.fcaef6695b13p-1}, {-0x1.e16f110773b59p-4, -0x1.fc73775b6c1f8p-1},  // 828
    {-0x1.f16767bed777ap-4, -0x1.fc35f66a3f8d3p-1}, {-0x1.00aeb20026444p-3, -0x1.fbf6756730edfp-1}, {-0x1.08a8de984d24ep-3, -0x1.fbb4f17893faap-1},  // 831
    {-0x1.10a1ffb322a36p-3, -0x1.fb716c6748cf5p-1}, {-0x1.189a0d41b27eep-3, -0x1.fb2be6778d4f6p-1}, {-0x1.2090cd728853dp-3, -0x1.fae461b4ed00fp-1},  // 834
    {-0x1.28869bc74a317p-3, -0x1.fa9adae9a49ebp-1}, {-0x1.307b3e69c3734p-3, -0x1.fa4f5418c8bbp-1}, {-0x1.386ead4f8a9ep-3, -0x1.fa01cd8eaee3ap-1},  // 837
    {-0x1.4060aec9e39bdp-3, -0x1.f9b24990f1813p-1}, {-0x1.48519e23ef318p-3, -0x1.f960c48dea38p-1}, {-0x1.504141a9a909p-3, -0x1.f90d40c2c1882p-1},  // 840
    {-0x1.582f9155b470ep-3, -0x1.f8b7be83dfd73p-1}, {-0x1.601c539fb25b3p-3, -0x1.f8604050c9b3fp-1}, {-0x1.6807e3967a0b4p-3, -0x1.f806c23c2f61fp-1},  // 843
    {-0x1.6ff207abdc88bp-3, -0x1.f7ab46bd291aep-1}, {-0x1.77dab7e00b9f1p-3, -0x1.f74dce302cc7ap-1}, {-0x1.7fc1bad4a795ep-3, -0x1.f6ee5b4e80b7cp-1},  // 846
    {-0x1.87a76b567dc6bp-3, -0x1.f68ce9cf6b4e2p-1}, {-0x1.8f8b9000d742cp-3, -0x1.f6297c63cca16p-1}, {-0x1.976e20d9f5ab7p-3, -0x1.f5c4137022464p-1},  // 849
    {-0x1.9f4f15e9b2c4bp-3, -0x1.f55caf5aeac6ep-1}, {-0x1.a72e360b4641p-3, -0x1.f4f35325605e2p-1}, {-0x1.af0bdbb0e0c94p-3, -0x1.f487fa14e7099p-1},  // 852
    {-0x1.b6e7cdaeba4b5p-3, -0x1.f41aa7225b2ccp-1}, {-0x1.bec204135d85dp-3, -0x1.f3ab5abc3afa5p-1}, {-0x1.c69a45ec24a4bp-3, -0x1.f33a181d1a386p-1},  // 855
    {-0x1.ce70ed5c55481p-3, -0x1.f2c6da2f96f97p-1}, {-0x1.d645c169c37ep-3, -0x1.f251a425ee791p-1}, {-0x1.de18ba2a2b70cp-3, -0x1.f1da76769798p-1},  // 858
    {-0x1.e5e99ee0a29e7p-3, -0x1.f16154954b71cp-1}, {-0x1.edb8c95bd2174p-3, -0x1.f0e639123461p-1}, {-0x1.f58600d6c35bdp-3, -0x1.f0692758bccabp-1},  // 861
    {-0x1.fd513d6ee3febp-3, -0x1.efea1fe74cc1bp-1}, {-0x1.028d23504d221p-2, -0x1.ef69266a8ae56p-1}, {-0x1.0670baf0233ecp-2, -0x1.eee6351885c2ap-1},  // 864
    {-0x1.0a534950dec9fp-2, -0x1.ee614f959d9cp-1}, {-0x1.0e34ca854f013p-2, -0x1.edda766823baep-1}, {-0x1.1215226a18545p-2, -0x1.ed51ad7570d7ep-1},  // 867
    {-0x1.15f47d89734efp-2, -0x1.ecc6ee99d54d3p-1}, {-0x1.19d2bfbb7949cp-2, -0x1.ec3a3db26c568p-1}, {-0x1.1dafe51751747p-2, -0x1.ebab9b4d67f7ap-1},  // 870
    {-0x1.218bd199d88adp-2, -0x1.eb1b0b889403ap-1}, {-0x1.2566b19a7f459p-2, -0x1.ea8887e6e5e7fp-1}, {-0x1.2940691155295p-2, -0x1.e9f4147df55fap-1},  // 873
    {-0x1.2d18f41a188f9p-2, -0x1.e95db1e3cc2dcp-1}, {-0x1.30f04ed1b7768p-2, -0x1.e8c560b068921p-1}, {-0x1.34c65d5fd1bf9p-2, -0x1.e82b2547c8514p-1},  // 876
    {-0x1.389b4bd86e61cp-2, -0x1.e78ef8bdc341cp-1}, {-0x1.3c6efe5e0dccdp-2, -0x1.e6f0df6e2f892p-1}, {-0x1.4041711283c5ap-2, -0x1.e650d9f8d73ap-1},  // 879
    {-0x1.44128841a099dp-2, -0x1.e5aeecf990725p-1}, {-0x1.47e26fc65af28p-2, -0x1.e50b112bcc128p-1}, {-0x1.4bb10be722402p-2, -0x1.e4654b2343284p-1},  // 882
    {-0x1.4f7e58caee996p-2, -0x1.e3bd9b878180ep-1}, {-0x1.534a3ae380b0dp-2, -0x1.e314072beb0ddp-1}, {-0x1.5714ddcff9bd9p-2, -0x1.e2688673ff3edp-1},  // 885
    {-0x1.5ade25fc78805p-2, -0x1.e1bb1e2b10069p-1}, {-0x1.5ea60f955799bp-2, -0x1.e10bcf0060585p-1}, {-0x1.626c7f3405b42p-2, -0x1.e05a9dfe93f08p-1},  // 888
    {-0x1.6631a0390d387p-2, -0x1.dfa78331b3e16p-1}, {-0x1.69f55737fa25ep-2, -0x1.def2839c5d7d2p-1}, {-0x1.6db7a062c787bp-2, -0x1.de3b9ff57fcaap-1},  // 891
    {-0x1.7178607c4d11fp-2, -0x1.dd82dd7eaccbep-1}, {-0x1.7537c2a3c0f69p-2, -0x1.dcc833ecf7cf3p-1}, {-0x1.78f5ab95d7e43p-2, -0x1.dc0ba879f8825p-1},  // 894
    {-0x1.7cb2178a6ad68p-2, -0x1.db4d3be43e71ep-1}, {-0x1.806ceb6f72ff1p-2, -0x1.da8cf3a3f4e74p-1}, {-0x1.8426522019112p-2, -0x1.d9cac717bf84dp-1},  // 897
    {-0x1.87de3083f3419p-2, -0x1.d906bbafdbd6dp-1}, {-0x1.8b9482d8f5a3dp-2, -0x1.d840d2326de64p-1}, {-0x1.8f49455ea4963p-2, -0x1.d7790b677cee7p-1},  // 900
    {-0x1.92fc5d3b4a732p-2, -0x1.d6af6d0af721bp-1}, {-0x1.96adf4f130f61p-2, -0x1.d5e3ee10394b9p-1}, {-0x1.9a5df19ff0198p-2, -0x1.d516942b54528p-1},  // 903
    {-0x1.9e0c4f8d73391p-2, -0x1.d447602bd436p-1}, {-0x1.a1b8f40efb11ep-2, -0x1.d376580374a16p-1}, {-0x1.a564095cb2f7dp-2, -0x1.d2a3725064522p-1},  // 906
    {-0x1.a90d74c4ea3f2p-2, -0x1.d1ceb4fc8f5dep-1}, {-0x1.acb532942f83fp-2, -0x1.d0f820def96c9p-1}, {-0x1.b05b2850691b2p-2, -0x1.d01fbc1ecb83cp-1},  // 909
    {-0x1.b3ff7fe4f9405p-2, -0x1.cf457d059e088p-1}, {-0x1.b7a21ed096469p-2, -0x1.ce6969b2d89f8p-1}, {-0x1.bb430166ade2cp-2, -0x1.cd8b8304e9043p-1},  // 912
    {-0x1.bee20d5f7823p-2, -0x1.ccabcf5802181p-1}, {-0x1.c27f6c56e854ap-2, -0x1.cbca44a1c2f5p-1}, {-0x1.c61b03fdc85f6p-2, -0x1.cae6e936abcdcp-1},  // 915
    {-0x1.c9b4d0aea07ap-2, -0x1.ca01bdfc86649p-1}, {-0x1.cd4cb855a3601p-2, -0x1.c91ac984289f1p-1}, {-0x1.d0e2e43cb49e8p-2, -0x1.c832016fdaa6cp-1},  // 918
    {-0x1.d4773a485b1e1p-2, -0x1.c7476c48cee1p-1}, {-0x1.d809b6da748dap-2, -0x1.c65b0afc1c935p-1}, {-0x1.db9a4014d401ep-2, -0x1.c56ce44ed27c4p-1},  // 921
    {-0x1.df28feecb1a45p-2, -0x1.c47ced9089739p-1}, {-0x1.e2b5d97bf7869p-2, -0x1.c38b2d7ebc61bp-1}, {-0x1.e640cc2c134efp-2, -0x1.c297a50dc1158p-1},  // 924
    {-0x1.e9c9d3685fbaap-2, -0x1.c1a25533ba9e7p-1}, {-0x1.ed50d5980431cp-2, -0x1.c0ab44f6648bfp-1}, {-0x1.f0d5fb42bfcb1p-2, -0x1.bfb2693ef01aap-1},  // 927
    {-0x1.f4592ac785234p-2, -0x1.beb7c90b9944ap-1}, {-0x1.f7da609987624p-2, -0x1.bdbb6559ae45ep-1}, {-0x1.fb59835936818p-2, -0x1.bcbd456228a0cp-1},  // 930
    {-0x1.fed6bb33dbd21p-2, -0x1.bbbd5dbd166d2p-1}, {-0x1.0128f760bb3b6p-1, -0x1.babbb59c02545p-1}, {-0x1.02e58d3ea5b4cp-1, -0x1.b9b84e0355befp-1},  // 933
    {-0x1.04a112a156bf4p-1, -0x1.b8b32e5ed3585p-1}, {-0x1.065b9b70f34bfp-1, -0x1.b7ac4af61e83p-1}, {-0x1.08151b16ce983p-1, -0x1.b6a3ab2d9c45fp-1},  // 936
    {-0x1.09cd8fd4b07c7p-1, -0x1.b5995010c0c38p-1}, {-0x1.0b84ed367f18ap-1, -0x1.b48d413d9fd0dp-1}, {-0x1.0d3b46f49dc1ap-1, -0x1.b37f72ac2f9f1p-1},  // 939
    {-0x1.0ef090967eef8p-1, -0x1.b26febf3380aap-1}, {-0x1.10a4c8622c058p-1, -0x1.b15eae25270bp-1}, {-0x1.1257e2029139p-1, -0x1.b04bc111e6725p-1},  // 942
    {-0x1.1409f0ff11625p-1, -0x1.af37186281ccbp-1}, {-0x1.15bae8fe07dbbp-1, -0x1.ae20bbdfa9152p-1}, {-0x1.176ac849db7dcp-1, -0x1.ad08aca2b2c2bp-1},  // 945
    {-0x1.191982ad45fd3p-1, -0x1.abeef2ace052p-1}, {-0x1.1ac72b7d6dedep-1, -0x1.aad381591a326p-1}, {-0x1.1c73b6805f3fep-1, -0x1.a9b660a17a9fbp-1},  // 948
    {-0x1.1e1f2204f9e52p-1, -0x1.a89791a62ecb4p-1}, {-0x1.1fc96c5b4060dp-1, -0x1.a777158916c4p-1}, {-0x1.21728976c2b04p-1, -0x1.a654f4886b4bbp-1},  // 951
    {-0x1.231a8c6c24c31p-1, -0x1.a531219e88eabp-1}, {-0x1.24c1692a2518ap-1, -0x1.a40ba5029900dp-1}, {-0x1.26671e056174ap-1, -0x1.a2e47fdd3b854p-1},  // 954
    {-0x1.280b9f12f0972p-1, -0x1.a1bbba9cd9518p-1}, {-0x1.29aeff327f609p-1, -0x1.a09147ef7ebbfp-1}, {-0x1.2b51327436d69p-1, -0x1.9f65303c98d53p-1},  // 957
    {-0x1.2cf237316afbep-1, -0x1.9e3774b374c04p-1}, {-0x1.2e9201a17a08bp-1, -0x1.9d081df22319p-1}, {-0x1.3030a46de89e2p-1, -0x1.9bd71e5b3766bp-1},  // 960
    {-0x1.31ce13c90b4cdp-1, -0x1.9aa47e85da86p-1}, {-0x1.336a4e1107097p-1, -0x1.99703fa7f39dbp-1}, {-0x1.350547a0400fp-1, -0x1.983a6a8eafb3cp-1},  // 963
    {-0x1.369f12e8e4fadp-1, -0x1.9702f15205a79p-1}, {-0x1.3837a44034c53p-1, -0x1.95c9dcb84f39cp-1}, {-0x1.39cefa093fb91p-1, -0x1.948f2dfdfa015p-1},  // 966
    {-0x1.3b6508c22c693p-1, -0x1.9352ee1ec11ccp-1}, {-0x1.3cf9e2a4a9297p-1, -0x1.92150ee8dfa14p-1}, {-0x1.3e8d7c299c013p-1, -0x1.90d59951524fep-1},  // 969
    {-0x1.401fd3b91aa75p-1, -0x1.8f948e9af9336p-1}, {-0x1.41b0ddf5c8186p-1, -0x1.8e51f7ef8c3fep-1}, {-0x1.4340acdfabaacp-1, -0x1.8d0dc6d47046bp-1},  // 972
    {-0x1.44cf35140cdc7p-1, -0x1.8bc8046cb4337p-1}, {-0x1.465c75002094p-1, -0x1.8a80b201961ffp-1}, {-0x1.47e86b126782bp-1, -0x1.8937d0dde8705p-1},  // 975
    {-0x1.49730c1c225e5p-1, -0x1.87ed6a640e83bp-1}, {-0x1.4afc69d3aec9cp-1, -0x1.86a16fbfaaffdp-1}, {-0x1.4c847904d0c6p-1, -0x1.8553ea4c937dp-1},  // 978
    {-0x1.4e0b382347f47p-1, -0x1.8404db5bde5f7p-1}, {-0x1.4f909c266b9f9p-1, -0x1.82b44c7c9a751p-1}, {-0x1.5114b68868c3dp-1, -0x1.81622e93a9497p-1},  // 981
    {-0x1.52977c3affc8bp-1, -0x1.800e8b29a2291p-1}, {-0x1.5418ebb748472p-1, -0x1.7eb96395ca2dap-1}, {-0x1.5598fa1b62891p-1, -0x1.7d62c19341032p-1},  // 984
    {-0x1.5717b8a43049p-1, -0x1.7c0a95c11b5dep-1}, {-0x1.58951c6a211a5p-1, -0x1.7ab0e9d418168p-1}, {-0x1.5a1123ebbd3e4p-1, -0x1.7955bf29954d7p-1},  // 987
    {-0x1.5b8bc46e9df5fp-1, -0x1.77f91fa826332p-1}, {-0x1.5d050ef142fd8p-1, -0x1.769afbaa0b50fp-1}, {-0x1.5e7cf8b37b67cp-1, -0x1.753b5d0f8e18fp-1},  // 990
    {-0x1.5ff3803958776p-1, -0x1.73da453c0fa13p-1}, {-0x1.61689af099dddp-1, -0x1.7277be40f686ap-1}, {-0x1.62dc59984a8d9p-1, -0x1.7113b834ac2c6p-1},  // 993
    {-0x1.644eb19846ef8p-1, -0x1.6fae3d2264ebdp-1}, {-0x1.65bfa17a41477p-1, -0x1.6e474e736e5dfp-1}, {-0x1.672f1ed4caa73p-1, -0x1.6cdef6635fbfap-1},  // 996
    {-0x1.689d3a266a6dfp-1, -0x1.6b7524c5cc9bbp-1}, {-0x1.6a09e8ffb5aa5p-1, -0x1.6a09e3d031ca9p-1}, {-0x1.6b7529f017455p-1, -0x1.689d34f1b295cp-1},  // 999
    {-0x1.6cdefb886bfabp-1, -0x1.672f199ae4199p-1}, {-0x1.6e47539337184p-1, -0x1.65bf9c3b316ccp-1}, {-0x1.6fae423ce4d6cp-1, -0x1.644eac5412f4ep-1},  // 1002
    {-0x1.7113bd49de1f7p-1, -0x1.62dc544ef7c59p-1}, {-0x1.7277c350d55edp-1, -0x1.616895a22da05p-1}, {-0x1.73da4a4696622p-1, -0x1.5ff37ae5d840fp-1},  // 1005
    {-0x1.753b6214b789p-1, -0x1.5e7cf35aec7abp-1}, {-0x1.769b00a9d25d3p-1, -0x1.5d050993aac1p-1}, {-0x1.77f924a285ce2p-1, -0x1.5b8bbf0c01d64p-1},  // 1008
    {-0x1.7955c41e88912p-1, -0x1.5a111e8422cbep-1}, {-0x1.7ab0eec399deap-1, -0x1.589516fd8dac6p-1}, {-0x1.7c0a9aab26ad5p-1, -0x1.5717b332a95afp-1},  // 1011
    {-0x1.7d62c677d0e26p-1, -0x1.5598f4a4ed9b5p-1}, {-0x1.7eb96874d9cd4p-1, -0x1.5418e63beafdap-1}, {-0x1.800e90032c7a5p-1, -0x1.529776babf8f3p-1},  // 1014
    {-0x1.81623367a9658p-1, -0x1.5114b1034b298p-1}, {-0x1.82b4514b0b7abp-1, -0x1.4f90969c7638cp-1}, {-0x1.8404e024bb95fp-1, -0x1.4e0b329480785p-1},  // 1017
    {-0x1.8553ef0fd7ebap-1, -0x1.4c8473713cb45p-1}, {-0x1.86a1747d51d66p-1, -0x1.4afc643b53c56p-1}, {-0x1.87ed6f1c12f76p-1, -0x1.4973067f060edp-1},  // 1020
    {-0x1.8937d59045dfbp-1, -0x1.47e865708fb23p-1}, {-0x1.8a80b6ae47a88p-1, -0x1.465c6f5992d61p-1}, {-0x1.8bc80913b51bbp-1, -0x1.44cf2f68cee72p-1},  // 1023
    {-0x1.8d0dcb75bbdaep-1, -0x1.4340a72fc338cp-1}, {-0x1.8e51fc8b1dd2p-1, -0x1.41b0d8413ae93p-1}, {-0x1.8f949330cc3f4p-1, -0x1.401fcdffee9bfp-1},  // 1026
    {-0x1.90d59de1620f5p-1, -0x1.3e8d766bd6c58p-1}, {-0x1.921513732777bp-1, -0x1.3cf9dce2508aep-1}, {-0x1.9352f2a33c737p-1, -0x1.3b6502fb4639fp-1},  // 1029
    {-0x1.948f327ca46bep-1, -0x1.39cef43dd1ec1p-1}, {-0x1.95c9e1312408dp-1, -0x1.38379e7045194p-1}, {-0x1.9702f5c500563p-1, -0x1.369f0d14794ffp-1},  // 1032
    {-0x1.983a6efbcbc2bp-1, -0x1.350541c75e497p-1}, {-0x1.9970440f2cb89p-1, -0x1.336a4833b52ddp-1}, {-0x1.9aa482e72c14dp-1, -0x1.31ce0de74f2cbp-1},  // 1035
    {-0x1.9bd722b69cfc2p-1, -0x1.30309e87c82b4p-1}, {-0x1.9d082247984dcp-1, -0x1.2e91fbb6fb397p-1}, {-0x1.9e377902f5585p-1, -0x1.2cf2314293e6p-1},  // 1038
    {-0x1.9f653486205p-1, -0x1.2b512c810d5dep-1}, {-0x1.a0914c3308c45p-1, -0x1.29aef93b09888p-1}, {-0x1.a1bbbeda61983p-1, -0x1.280b991734679p-1},  // 1041
    {-0x1.a2e48414bde6dp-1, -0x1.2667180565142p-1}, {-0x1.a40ba9341114ap-1, -0x1.24c16325ee7cfp-1}, {-0x1.a53125c9f273dp-1, -0x1.231a8663ba00ep-1},  // 1044
    {-0x1.a654f8adc2134p-1, -0x1.2172836a29e09p-1}, {-0x1.a77719a856bf7p-1, -0x1.1fc9664a7fba9p-1}, {-0x1.a89795bf53aa1p-1, -0x1.1e1f1bf0176fbp-1},  // 1047
    {-0x1.a9b664b4803d7p-1, -0x1.1c73b0676120cp-1}, {-0x1.aad38565fc70fp-1, -0x1.1ac725605a4ecp-1}, {-0x1.abeef6b39b197p-1, -0x1.19197c8c230bfp-1},  // 1050
    {-0x1.ad08b0a34227dp-1, -0x1.176ac224af856p-1}, {-0x1.ae20bfda08e5ep-1, -0x1.15bae2d4d8f8ep-1}, {-0x1.af371c56ae03ep-1, -0x1.1409ead1e5cf2p-1},  // 1053
    {-0x1.b04bc4ffdb10ep-1, -0x1.1257dbd16f338p-1}, {-0x1.b15eb20ce03f4p-1, -0x1.10a4c22d19e86p-1}, {-0x1.b26fefd4b1bb5p-1, -0x1.0ef08a5d82e81p-1},  // 1056
    {-0x1.b37f768765ep-1, -0x1.0d3b40b7be19fp-1}, {-0x1.b48d45128ebc4p-1, -0x1.0b84e6f5c21e9p-1}, {-0x1.b59953df64a18p-1, -0x1.09cd89901c99dp-1},  // 1059
    {-0x1.b6a3aef5f1161p-1, -0x1.081514ce6a0abp-1}, {-0x1.b7ac4eb820729p-1, -0x1.065b9524c46d2p-1}, {-0x1.b8b3321a7e9afp-1, -0x1.04a10c5163ec9p-1},  // 1062
    {-0x1.b9b851b8a6b6ap-1, -0x1.02e586eaf566ap-1}, {-0x1.babbb94af519ep-1, -0x1.0128f10953bf7p-1}, {-0x1.bbbd6165a7479p-1, -0x1.fed6ae7dab502p-2},  // 1065
    {-0x1.bcbd490453dd7p-1, -0x1.fb59769bb14e8p-2}, {-0x1.bdbb68f57060ep-1, -0x1.f7da53d4ba8bdp-2}, {-0x1.beb7cca0ee703p-1, -0x1.f4591dfb7d639p-2},  // 1068
    {-0x1.bfb26ccdd4b7bp-1, -0x1.f0d5ee6f8a112p-2}, {-0x1.c0ab487ed501dp-1, -0x1.ed50c8bdad73fp-2}, {-0x1.c1a258b5b3839p-1, -0x1.e9c9c686f5228p-2},  // 1071
    {-0x1.c297a8893eb5dp-1, -0x1.e640bf43a1b4dp-2}, {-0x1.c38b30f3bb384p-1, -0x1.e2b5cc8c8bf62p-2}, {-0x1.c47cf0ff0601fp-1, -0x1.df28f1f659308p-2},  // 1074
    {-0x1.c56ce7b6c94a8p-1, -0x1.db9a33179bc47p-2}, {-0x1.c65b0e5d8a59p-1, -0x1.d809a9d669d1ep-2}, {-0x1.c7476fa3b00abp-1, -0x1.d4772d3d8ae0dp-2},  // 1077
    {-0x1.c83204c42bd06p-1, -0x1.d0e2d72b2c0e4p-2}, {-0x1.c91accd1e66b3p-1, -0x1.cd4cab3d6fb23p-2}, {-0x1.ca01c143ada5ap-1, -0x1.c9b4c38fcf13bp-2},  // 1080
    {-0x1.cae6ec77390a7p-1, -0x1.c61af6d86659ep-2}, {-0x1.cbca47dbb2e3fp-1, -0x1.c27f5f2b02f95p-2}, {-0x1.ccabd28b51768p-1, -0x1.bee2002d1cc1dp-2},  // 1083
    {-0x1.cd8b863194bf8p-1, -0x1.bb42f42de9fa1p-2}, {-0x1.ce696cd8dd58fp-1, -0x1.b7a21191770b1p-2}, {-0x1.cf458024f8916p-1, -0x1.b3ff729f8c157p-2},  // 1086
    {-0x1.d01fbf3778b43p-1, -0x1.b05b1b04bb6a9p-2}, {-0x1.d0f823f0f64d4p-1, -0x1.acb525424ee47p-2}, {-0x1.d1ceb807d8aabp-1, -0x1.a90d676ce4p-2},  // 1089
    {-0x1.d2a37554f6f76p-1, -0x1.a563fbfe9495cp-2}, {-0x1.d3765b014d924p-1, -0x1.a1b8e6aad20f8p-2}, {-0x1.d4476322f096ap-1, -0x1.9e0c42234d447p-2},  // 1092
    {-0x1.d516971bb0f99p-1, -0x1.9a5de42fda9bfp-2}, {-0x1.d5e3f0f9d340cp-1, -0x1.96ade77b39847p-2}, {-0x1.d6af6fedcb735p-1, -0x1.92fc4fbf7ea83p-2},  // 1095
    {-0x1.d7790e4388dc3p-1, -0x1.8f4937dd1236bp-2}, {-0x1.d840d507ae62p-1, -0x1.8b947551aa31fp-2}, {-0x1.d906be7e4e038p-1, -0x1.87de22f6fc69bp-2},  // 1098
    {-0x1.d9cac9df608c5p-1, -0x1.8426448d84854p-2}, {-0x1.da8cf664c1fa5p-1, -0x1.806cddd74e77p-2}, {-0x1.db4d3e9e34f2ep-1, -0x1.7cb209ecc431cp-2},  // 1101
    {-0x1.dc0bab2d15853p-1, -0x1.78f59df2bcc33p-2}, {-0x1.dcc8369938997p-1, -0x1.7537b4fb3f21cp-2}, {-0x1.dd82e0240ea9fp-1, -0x1.717852ce72572p-2},  // 1104
    {-0x1.de3ba294003afp-1, -0x1.6db792afa1db2p-2}, {-0x1.def28633f9aefp-1, -0x1.69f5497f973efp-2}, {-0x1.dfa785c269361p-1, -0x1.6631927b7af51p-2},  // 1107
    {-0x1.e05aa0885fd05p-1, -0x1.626c717151f78p-2}, {-0x1.e10bd183405ddp-1, -0x1.5ea601cd906bcp-2}, {-0x1.e1bb20a7017cdp-1, -0x1.5ade182fabaebp-2},  // 1110
    {-0x1.e26888e8ffa2fp-1, -0x1.5714cffe353adp-2}, {-0x1.e3140999f7e43p-1, -0x1.534a2d0cd2748p-2}, {-0x1.e3bd9dee98805p-1, -0x1.4f7e4aef64be5p-2},  // 1113
    {-0x1.e4654d8361b79p-1, -0x1.4bb0fe06caa93p-2}, {-0x1.e50b1384efcb3p-1, -0x1.47e261e143a61p-2}, {-0x1.e5aeef4bb6f4bp-1, -0x1.44127a57d7a3p-2},  // 1116
    {-0x1.e650dc43fe596p-1, -0x1.4041632417511p-2}, {-0x1.e6f0e1b254c86p-1, -0x1.3c6ef06b0bd1fp-2}, {-0x1.e78efafae4567p-1, -0x1.389b3de0e4f9cp-2},  // 1119
    {-0x1.e82b277de2f84p-1, -0x1.34c64f63cf083p-2}, {-0x1.e8c562df7abb2p-1, -0x1.30f040d149ad9p-2}, {-0x1.e95db40bd377fp-1, -0x1.2d18e6154dbffp-2},  // 1122
    {-0x1.e9f4169eef9dp-1, -0x1.29405b083b7e3p-2}, {-0x1.ea888a00d0f1ap-1, -0x1.2566a38d24ee8p-2}, {-0x1.eb1b0d9b6dbap-1, -0x1.218bc3884bbb9p-2},  // 1125
    {-0x1.ebab9d592e6e7p-1, -0x1.1dafd701a07eep-2}, {-0x1.ec3a3fb71d501p-1, -0x1.19d2b1a1b24fep-2}, {-0x1.ecc6f0976ebf7p-1, -0x1.15f46f6ba4914p-2},  // 1128
    {-0x1.ed51af6bf0bfbp-1, -0x1.1215144850175p-2}, {-0x1.edda78578848dp-1, -0x1.0e34bc5f9ba59p-2}, {-0x1.ee61517de4afp-1, -0x1.0a533b274e838p-2},  // 1131
    {-0x1.eee636f9ad6d4p-1, -0x1.0670acc2c45ddp-2}, {-0x1.ef69284491414p-1, -0x1.028d151f2dfadp-2}, {-0x1.efea21ba301c5p-1, -0x1.fd51210542015p-3},  // 1134
    {-0x1.f06929247b1fap-1, -0x1.f585e465da388p-3}, {-0x1.f0e63ad6cbdfbp-1, -0x1.edb8ace3be8cap-3}, {-0x1.f1615652ba50ap-1, -0x1.e5e982618172ap-3},  // 1137
    {-0x1.f1da782cdc41cp-1, -0x1.de189da4199bdp-3}, {-0x1.f251a5d50705fp-1, -0x1.d645a4dcdda87p-3}, {-0x1.f2c6dbd781b5cp-1, -0x1.ce70d0c8b84cep-3},  // 1140
    {-0x1.f33a19bdd577bp-1, -0x1.c69a2951ed65cp-3}, {-0x1.f3ab5c55c5446p-1, -0x1.bec1e772a913dp-3}, {-0x1.f41aa8b4b2b6bp-1, -0x1.b6e7b107a56c6p-3},  // 1143
    {-0x1.f487fba00a3cdp-1, -0x1.af0bbf038872fp-3}, {-0x1.f4f354a94dab4p-1, -0x1.a72e1957c76f2p-3}, {-0x1.f55cb0d7a0d3p-1, -0x1.9f4ef9302a9ecp-3},  // 1146
    {-0x1.f5c414e59f636p-1, -0x1.976e041a81137p-3}, {-0x1.f6297dd20f562p-1, -0x1.8f8b733b9346ep-3}, {-0x1.f68ceb3672286p-1, -0x1.87a74e8b877afp-3},  // 1149
    {-0x1.f6ee5cae4a4c9p-1, -0x1.7fc19e041c14p-3}, {-0x1.f74dcf88b7e0bp-1, -0x1.77da9b0a08285p-3}, {-0x1.f7ab480e742ecp-1, -0x1.6ff1ead07e1f8p-3},  // 1152
    {-0x1.f806c386391bcp-1, -0x1.6807c6b5ddd9fp-3}, {-0x1.f860419390c62p-1, -0x1.601c36b9f5918p-3}, {-0x1.f8b7bfbf6328fp-1, -0x1.582f746af4629p-3},  // 1155
    {-0x1.f90d41f6ffad1p-1, -0x1.504124ba02d04p-3}, {-0x1.f960c5bae1f8bp-1, -0x1.4851812f800d4p-3}, {-0x1.f9b24ab6a1ad7p-1, -0x1.406091d0c8cfbp-3},  // 1158
    {-0x1.fa01cead16802p-1, -0x1.386e9051e18e9p-3}, {-0x1.fa4f552fe678cp-1, -0x1.307b2167a950bp-3}, {-0x1.fa9adbf97763ap-1, -0x1.28867ec0dc4d3p-3},  // 1161
    {-0x1.fae462bd73ba6p-1, -0x1.2090b067e403ep-3}, {-0x1.fb2be778c71f9p-1, -0x1.1899f032f5368p-3}, {-0x1.fb716d613484ap-1, -0x1.10a1e2a069a7p-3},  // 1164
    {-0x1.fbb4f26b30988p-1, -0x1.08a8c181b5d6cp-3}, {-0x1.fbf676527d7f2p-1, -0x1.00ae94e5ce0a9p-3}, {-0x1.fc35f74e3b51ap-1, -0x1.f1672d82e02dfp-4},  // 1167
    {-0x1.fc73783816031p-1, -0x1.e16ed6c47042cp-4}, {-0x1.fcaef73eb236bp-1, -0x1.d174997158142p-4}, {-0x1.fce87425ee0a4p-1, -0x1.c17885af911a2p-4},  // 1170
    {-0x1.fd1fed5f3ae91p-1, -0x1.b17b0f9e56d69p-4}, {-0x1.fd556567ffb1p-1, -0x1.a17b7f82fbd53p-4}, {-0x1.fd88daa92e5e6p-1, -0x1.917a49755cd0dp-4},  // 1173
    {-0x1.fdba4ceec4d53p-1, -0x1.81777da27f111p-4}, {-0x1.fde9bc06c9768p-1, -0x1.71732c3901f9bp-4}, {-0x1.fe1726abb6638p-1, -0x1.616dc99100102p-4},  // 1176
    {-0x1.fe428ee7640c7p-1, -0x1.51669d94befccp-4}, {-0x1.fe6bf36bc8ed6p-1, -0x1.415e1c96508dp-4}, {-0x1.fe93540f0f346p-1, -0x1.315456ca18efbp-4},  // 1179
    {-0x1.feb8afc635c8ep-1, -0x1.2149c0ad6da03p-4}, {-0x1.fedc083e7da57p-1, -0x1.113da1eed1967p-4}, {-0x1.fefd5c645f48ep-1, -0x1.01306f06a3aa8p-4},  // 1182
    {-0x1.ff1cac162b528p-1, -0x1.e244705c0d9dfp-5}, {-0x1.ff39f683764d6p-1, -0x1.c226e4005fa44p-5}, {-0x1.ff553cfccea1ap-1, -0x1.a206c7f706d19p-5},  // 1185
    {-0x1.ff6e7ea94038p-1, -0x1.81e5056ea445ep-5}, {-0x1.ff85bb6f4441bp-1, -0x1.61c1bce0eec5ap-5}, {-0x1.ff9af2b91217dp-1, -0x1.419dd7b153873p-5},  // 1188
    {-0x1.ffae257a704d9p-1, -0x1.2177e493ae5cap-5}, {-0x1.ffbf53150be9fp-1, -0x1.0150cce5c947fp-5}, {-0x1.ffce7b77884ccp-1, -0x1.c251624d7d978p-6},  // 1191
    {-0x1.ffdb9e46c9132p-1, -0x1.8200f5b083a9dp-6}, {-0x1.ffe6bc19bd959p-1, -0x1.41ad70f9284eep-6}, {-0x1.ffefd48cbdf95p-1, -0x1.0158a723d63dcp-6},  // 1194
    {-0x1.fff6e79698e5dp-1, -0x1.8205b26ade10fp-7}, {-0x1.fffbf516e3fd1p-1, -0x1.015bb4a0c8b5cp-7}, {-0x1.fffefd47add49p-1, -0x1.015b1d12cbe42p-8},  // 1197
    {-0x1.fffffffffffb3p-1, 0x1.199bc5b961b0dp-23}, {-0x1.fffefd3ed4f45p-1, 0x1.015f837fa98c6p-8}, {-0x1.fffbf50532459p-1, 0x1.015de7d3e1af3p-7},  // 1200
    {-0x1.fff6e77c0ea03p-1, 0x1.8207e59868209p-7}, {-0x1.ffefd4695b092p-1, 0x1.0159c0b6b7294p-6}, {-0x1.ffe6bbed821e8p-1, 0x1.41ae8a8708886p-6},  // 1203
    {-0x1.ffdb9e11b541fp-1, 0x1.82020f3846a0dp-6}, {-0x1.ffce7b399c8e7p-1, 0x1.c2527bce06f23p-6}, {-0x1.ffbf52ce4845bp-1, 0x1.015159a1e2d0cp-5},  // 1206
    {-0x1.ffae252ad50afp-1, 0x1.2178714b0e839p-5}, {-0x1.ff9af2609f875p-1, 0x1.419e64636c13cp-5}, {-0x1.ff85bb0dfaf3ep-1, 0x1.61c2498d31aabp-5},  // 1209
    {-0x1.ff6e7e3f2058p-1, 0x1.81e5921483338p-5}, {-0x1.ff553c89d89abp-1, 0x1.a2075495f3a0dp-5}, {-0x1.ff39f607aa93bp-1, 0x1.c2277097cc355p-5},  // 1212
    {-0x1.ff1cab918a9a5p-1, 0x1.e244fceb6c0cap-5}, {-0x1.fefd5bd6e9e12p-1, 0x1.0130b54a04b05p-4}, {-0x1.fedc07a8341d1p-1, 0x1.113de82d9d67p-4},  // 1215
    {-0x1.feb8af2718b7cp-1, 0x1.214a06e75d3c6p-4}, {-0x1.fe9353671f728p-1, 0x1.31549cfee57e6p-4}, {-0x1.fe6bf2bb06ed5p-1, 0x1.415e62c5b2f9ep-4},  // 1218
    {-0x1.fe428e2dd080cp-1, 0x1.5166e3be70587p-4}, {-0x1.fe1725e95207dp-1, 0x1.616e0fb4b970cp-4}, {-0x1.fde9bb3b95466p-1, 0x1.717372567ca38p-4},  // 1221
    {-0x1.fdba4c1ac166ep-1, 0x1.8177c3b974008p-4}, {-0x1.fd88d9cc5c884p-1, 0x1.917a8f85852f1p-4}, {-0x1.fd55648260522p-1, 0x1.a17bc58c10d25p-4},  // 1224
    {-0x1.fd1fec70cee99p-1, 0x1.b17b55a011a9bp-4}, {-0x1.fce8732eb6921p-1, 0x1.c178cba9ab328p-4}, {-0x1.fcaef63eb008bp-1, 0x1.d174df638a896p-4},  // 1227
    {-0x1.fc73772f4a22p-1, 0x1.e16f1cae74631p-4}, {-0x1.fc35f63ca6c92p-1, 0x1.f16773646f501p-4}, {-0x1.fbf67538219a8p-1, 0x1.00aeb7d237e7dp-3},  // 1230
    {-0x1.fbb4f1480e3e4p-1, 0x1.08a8e4699e994p-3}, {-0x1.fb716c354cdb1p-1, 0x1.10a20583ae076p-3}, {-0x1.fb2be6441b55cp-1, 0x1.189a131171f1fp-3},  // 1233
    {-0x1.fae46180053f1p-1, 0x1.2090d34175fbap-3}, {-0x1.fa9adab34740ep-1, 0x1.2886a195602ap-3}, {-0x1.fa4f53e0f5f84p-1, 0x1.307b4436fbdebp-3},  // 1236
    {-0x1.fa01cd5566f45p-1, 0x1.386eb31bdf9f2p-3}, {-0x1.f9b2495634a86p-1, 0x1.4060b4954f5c4p-3}, {-0x1.f960c451b8a7ep-1, 0x1.4851a3ee6bd05p-3},  // 1239
    {-0x1.f90d40851b7d8p-1, 0x1.5041477330abdp-3}, {-0x1.f8b7be44c5908p-1, 0x1.582f971e413e6p-3}, {-0x1.f86040103b79fp-1, 0x1.601c59673e815p-3},  // 1242
    {-0x1.f806c1fa2d6cdp-1, 0x1.6807e95cffac7p-3}, {-0x1.f7ab4679b3ad5p-1, 0x1.6ff20d7155ce9p-3}, {-0x1.f74dcdeb4425dp-1, 0x1.77dabda472b47p-3},  // 1245
    {-0x1.f6ee5b0825307p-1, 0x1.7fc1c097f6ad6p-3}, {-0x1.f68ce9879d1f5p-1, 0x1.87a77118af06ap-3}, {-0x1.f6297c1a8c13ap-1, 0x1.8f8b95c1e4d9p-3},  // 1248
    {-0x1.f5c413256fa3ap-1, 0x1.976e2699d9c74p-3}, {-0x1.f55caf0ec65aep-1, 0x1.9f4f1ba867968p-3}, {-0x1.f4f352d7ca7ecp-1, 0x1.a72e3bc8c601ep-3},  // 1251
    {-0x1.f487f9c5dffc3p-1, 0x1.af0be16d25a49p-3}, {-0x1.f41aa6d1e3413p-1, 0x1.b6e7d369be752p-3}, {-0x1.f3ab5a6a5281fp-1, 0x1.bec209cd1b336p-3},  // 1254
    {-0x1.f33a17c9c18fp-1, 0x1.c69a4ba49614dp-3}, {-0x1.f2c6d9dace6a4p-1, 0x1.ce70f31374aaap-3}, {-0x1.f251a3cfb659cp-1, 0x1.d645c71f8b0c3p-3},  // 1257
    {-0x1.f1da761ef03fbp-1, 0x1.de18bfde95651p-3}, {-0x1.f161543c3542p-1, 0x1.e5e9a493a93dcp-3}, {-0x1.f0e638b7afaafp-1, 0x1.edb8cf0d6f964p-3},  // 1260
    {-0x1.f06926fcc9e9cp-1, 0x1.f5860686f1f96p-3}, {-0x1.efea1f89ec12dp-1, 0x1.fd51431d9dfafp-3}, {-0x1.ef69260bbccfep-1, 0x1.028d2626ecf51p-2},  // 1263
    {-0x1.eee634b84a9d7p-1, 0x1.0670bdc60303bp-2}, {-0x1.ee614f33f5c84p-1, 0x1.0a534c25fba32p-2}, {-0x1.edda76050f9b6p-1, 0x1.0e34cd59a611dp-2},  // 1266
    {-0x1.ed51ad10f0d9ap-1, 0x1.1215253da6c53p-2}, {-0x1.ecc6ee33e9ccdp-1, 0x1.15f4805c363fep-2}, {-0x1.ec3a3d4b15bb1p-1, 0x1.19d2c28d6de05p-2},  // 1269
    {-0x1.ebab9ae4a6a99p-1, 0x1.1dafe7e874d7p-2}, {-0x1.eb1b0b1e6875bp-1, 0x1.218bd46a27e5ap-2}, {-0x1.ea88877b507c8p-1, 0x1.2566b469f7bb9p-2},  // 1272
    {-0x1.e9f41410f6838p-1, 0x1.29406bdff3e34p-2}, {-0x1.e95db175644f1p-1, 0x1.2d18f6e7dab73p-2}, {-0x1.e8c5604098206p-1, 0x1.30f0519e9a366p-2},  // 1275
    {-0x1.e82b24d68fc66p-1, 0x1.34c6602bd248bp-2}, {-0x1.e78ef84b23075p-1, 0x1.389b4ea389dafp-2}, {-0x1.e6f0defa2813p-1, 0x1.3c6f012841636p-2},  // 1278
    {-0x1.e650d98368fd7p-1, 0x1.404173dbcca7bp-2}, {-0x1.e5aeec82bbeecp-1, 0x1.44128b09fbfc6p-2}, {-0x1.e50b10b391b75p-1, 0x1.47e2728dc5ffcp-2},  // 1281
    {-0x1.e4654aa9a36eep-1, 0x1.4bb10ead9a29p-2}, {-0x1.e3bd9b0c7ce45p-1, 0x1.4f7e5b90708fep-2}, {-0x1.e31406af82132p-1, 0x1.534a3da809edfp-2},  // 1284
    {-0x1.e26885f6325afp-1, 0x1.5714e093876f2p-2}, {-0x1.e1bb1dabdfb8bp-1, 0x1.5ade28bf07db4p-2}, {-0x1.e10bce7fcd21p-1, 0x1.5ea61256e5d3ep-2},  // 1287
    {-0x1.e05a9d7c9e5a5p-1, 0x1.626c81f4900adp-2}, {-0x1.dfa782ae5c67p-1, 0x1.6631a2f890dd4p-2}, {-0x1.def28317a4a35p-1, 0x1.69f559f67451dp-2},  // 1290
    {-0x1.de3b9f6f66179p-1, 0x1.6db7a3203574cp-2}, {-0x1.dd82dcf732cfap-1, 0x1.71786338ac01cp-2}, {-0x1.dcc833641e0a2p-1, 0x1.7537c55f0e1edp-2},  // 1293
    {-0x1.dc0ba7efbf7ecp-1, 0x1.78f5ae501082p-2}, {-0x1.db4d3b58a6bb8p-1, 0x1.7cb21a438c284p-2}, {-0x1.da8cf316ff13bp-1, 0x1.806cee277a4b1p-2},  // 1296
    {-0x1.d9cac6896c19fp-1, 0x1.842654d703911p-2}, {-0x1.d906bb202b648p-1, 0x1.87de3339be371p-2}, {-0x1.d840d1a160fdcp-1, 0x1.8b94858d9e51bp-2},  // 1299
    {-0x1.d7790ad514225p-1, 0x1.8f49481228406p-2}, {-0x1.d6af6c77330e7p-1, 0x1.92fc5feda665fp-2}, {-0x1.d5e3ed7b1a7ep-1, 0x1.96adf7a26270ap-2},  // 1302
    {-0x1.d5169394db615p-1, 0x1.9a5df44ff4634p-2}, {-0x1.d4475f9401b95p-1, 0x1.9e0c523c479a9p-2}, {-0x1.d376576a493bp-1, 0x1.a1b8f6bc9cdc9p-2},  // 1305
    {-0x1.d2a371b5e0948p-1, 0x1.a5640c091f6f3p-2}, {-0x1.d1ceb460b3e53p-1, 0x1.a90d77701eaf7p-2}, {-0x1.d0f82041c6d65p-1, 0x1.acb5353e293acp-2},  // 1308
    {-0x1.d01fbb8042772p-1, 0x1.b05b2af9256eep-2}, {-0x1.cf457c65bf1d7p-1, 0x1.b3ff828c75796p-2}, {-0x1.ce696911a4778p-1, 0x1.b7a22176cfb61p-2},  // 1311
    {-0x1.cd8b826260423p-1, 0x1.bb43040ba1db5p-2}, {-0x1.ccabceb42568bp-1, 0x1.bee2100324007p-2}, {-0x1.cbca43fc92f58p-1, 0x1.c27f6ef949641p-2},  // 1314
    {-0x1.cae6e89029251p-1, 0x1.c61b069edbf73p-2}, {-0x1.ca01bd54b1bb1p-1, 0x1.c9b4d34e63f2p-2}, {-0x1.c91ac8db02a69p-1, 0x1.cd4cbaf414198p-2},  // 1317
    {-0x1.c83200c56402p-1, 0x1.d0e2e6d9cfeb9p-2}, {-0x1.c7476b9d083c3p-1, 0x1.d4773ce41e5a9p-2}, {-0x1.c65b0a4f069c2p-1, 0x1.d809b974dd16ap-2},  // 1320
    {-0x1.c56ce3a06de9cp-1, 0x1.db9a42addf3e6p-2}, {-0x1.c47cece0d6edep-1, 0x1.df2901845cebbp-2}, {-0x1.c38b2ccdbc9a5p-1, 0x1.e2b5dc12403ap-2},  // 1323
    {-0x1.c297a45b74bf6p-1, 0x1.e640cec0f6d12p-2}, {-0x1.c1a25480226ddp-1, 0x1.e9c9d5fbdb6f9p-2}, {-0x1.c0ab4441813e5p-1, 0x1.ed50d82a1587dp-2},  // 1326
    {-0x1.bfb26888c25ecp-1, 0x1.f0d5fdd364205p-2}, {-0x1.beb7c85421d2bp-1, 0x1.f4592d56b9e01p-2}, {-0x1.bdbb64a0edd75p-1, 0x1.f7da632749f05p-2},  // 1329
    {-0x1.bcbd44a81ff83p-1, 0x1.fb5985e584555p-2}, {-0x1.bbbd5d01c63eap-1, 0x1.fed6bdbeb24f3p-2}, {-0x1.babbb4df6b5d3p-1, 0x1.0128f8a56985bp-1},  // 1332
    {-0x1.b9b84d4578bddp-1, 0x1.02e58e8295c2cp-1}, {-0x1.b8b32d9fb115p-1, 0x1.04a113e4874e3p-1}, {-0x1.b7ac4a35b7b6cp-1, 0x1.065b9cb363108p-1},  // 1335
    {-0x1.b6a3aa6bf1b33p-1, 0x1.08151c587c4c7p-1}, {-0x1.b5994f4dd32dfp-1, 0x1.09cd91159adb5p-1}, {-0x1.b48d407970055p-1, 0x1.0b84ee76a4e29p-1},  // 1338
    {-0x1.b37f71e6be5c2p-1, 0x1.0d3b4833fdae5p-1}, {-0x1.b26feb2c8617cp-1, 0x1.0ef091d517bc2p-1}, {-0x1.b15ead5d3531p-1, 0x1.10a4c99ffc7p-1},  // 1341
    {-0x1.b04bc048b5831p-1, 0x1.1257e33f98052p-1}, {-0x1.af371798128bcp-1, 0x1.1409f23b4d4adp-1}, {-0x1.ae20bb13fc4f1p-1, 0x1.15baea3977a0ep-1},  // 1344
    {-0x1.ad08abd5c9456p-1, 0x1.176ac9847de0ep-1}, {-0x1.abeef1debaf44p-1, 0x1.191983e719c55p-1}, {-0x1.aad38089b9bccp-1, 0x1.1ac72cb671d8bp-1},  // 1347
    {-0x1.a9b65fd0dfe3dp-1, 0x1.1c73b7b892111p-1}, {-0x1.a89790d45a9c1p-1, 0x1.1e1f233c5a613p-1}, {-0x1.a77714b609f57p-1, 0x1.1fc96d91cd4d1p-1},  // 1350
    {-0x1.a654f3b426babp-1, 0x1.21728aac7ad8p-1}, {-0x1.a53120c90d664p-1, 0x1.231a8da106e81p-1}, {-0x1.a40ba42be760ap-1, 0x1.24c16a5e3002cp-1},  // 1353
    {-0x1.a2e47f0554a25p-1, 0x1.26671f3893ec8p-1}, {-0x1.a1bbb9c3be0d8p-1, 0x1.280ba045496b9p-1}, {-0x1.a09147152feaep-1, 0x1.29af0063fd56bp-1},  // 1356
    {-0x1.9f652f6117539p-1, 0x1.2b5133a4d8b9ap-1}, {-0x1.9e3773d6c16cp-1, 0x1.2cf238612f98p-1}, {-0x1.9d081d143ed8ap-1, 0x1.2e9202d060304p-1},  // 1359
    {-0x1.9bd71d7c2313p-1, 0x1.3030a59bef199p-1}, {-0x1.9aa47da597007p-1, 0x1.31ce14f630eafp-1}, {-0x1.99703ec681c8fp-1, 0x1.336a4f3d4a99dp-1},  // 1362
    {-0x1.983a69ac107bp-1, 0x1.350548cba067cp-1}, {-0x1.9702f06e39e88p-1, 0x1.369f141360e7ep-1}, {-0x1.95c9dbd357da9p-1, 0x1.3837a569cb18dp-1},  // 1365
    {-0x1.948f2d17d7e98p-1, 0x1.39cefb31ef468p-1}, {-0x1.9352ed37753c1p-1, 0x1.3b6509e9f40a4p-1}, {-0x1.92150e006ada4p-1, 0x1.3cf9e3cb87ad9p-1},  // 1368
    {-0x1.90d59867b58d7p-1, 0x1.3e8d7d4f903e6p-1}, {-0x1.8f948db03561bp-1, 0x1.401fd4de23746p-1}, {-0x1.8e51f703a2535p-1, 0x1.41b0df19e453p-1},  // 1371
    {-0x1.8d0dc5e761269p-1, 0x1.4340ae02da25fp-1}, {-0x1.8bc8037e80cf5p-1, 0x1.44cf36364c71ep-1}, {-0x1.8a80b1123f688p-1, 0x1.465c7621701e5p-1},  // 1374
    {-0x1.8937cfed6f579p-1, 0x1.47e86c32c5dd8p-1}, {-0x1.87ed69727403bp-1, 0x1.49730d3b8e6c2p-1}, {-0x1.86a16eccf005bp-1, 0x1.4afc6af227623p-1},  // 1377
    {-0x1.8553e958b8fep-1, 0x1.4c847a2254c77p-1}, {-0x1.8404da66e5521p-1, 0x1.4e0b393fd63e6p-1}, {-0x1.82b44b8683d7ep-1, 0x1.4f909d4203187p-1},  // 1380
    {-0x1.81622d9c760e3p-1, 0x1.5114b7a30846fp-1}, {-0x1.800e8a3153499p-1, 0x1.52977d54a6387p-1}, {-0x1.7eb9629c60a4ep-1, 0x1.5418eccff486ep-1},  // 1383
    {-0x1.7d62c098bdd41p-1, 0x1.5598fb3313834p-1}, {-0x1.7c0a94c57f7edp-1, 0x1.5717b9bae4dcep-1}, {-0x1.7ab0e8d76485bp-1, 0x1.58951d7fd82e2p-1},  // 1386
    {-0x1.7955be2bcb0a5p-1, 0x1.5a11250075b96p-1}, {-0x1.77f91ea94644fp-1, 0x1.5b8bc58256c6ep-1}, {-0x1.769afaaa16b28p-1, 0x1.5d051003fb077p-1},  // 1389
    {-0x1.753b5c0e85cdp-1, 0x1.5e7cf9c53194fp-1}, {-0x1.73da4439f4ab8p-1, 0x1.5ff3814a0bb34p-1}, {-0x1.7277bd3dc9f2bp-1, 0x1.61689c00491b2p-1},  // 1392
    {-0x1.7113b7306ef97p-1, 0x1.62dc5aa6f4b35p-1}, {-0x1.6fae3c1d1820ep-1, 0x1.644eb2a5eaec3p-1}, {-0x1.6e474d6d13033p-1, 0x1.65bfa286de0a8p-1},  // 1395
    {-0x1.6cdef55bf6e4bp-1, 0x1.672f1fe05f27bp-1}, {-0x1.6b7523bd57445p-1, 0x1.689d3b30f596fp-1}, {-0x1.6a09e2c6b101ep-1, 0x1.6a09ea09366e6p-1},  // 1398
    {-0x1.689d33e727684p-1, 0x1.6b752af88c982p-1}, {-0x1.672f188f4f949p-1, 0x1.6cdefc8fd4d1p-1}, {-0x1.65bf9b2e94a53p-1, 0x1.6e475499926e7p-1},  // 1401
    {-0x1.644eab466ef3bp-1, 0x1.6fae4342319d1p-1}, {-0x1.62dc53404d9b5p-1, 0x1.7113be4e1b4dcp-1}, {-0x1.616894927e5eap-1, 0x1.7277c45401ee1p-1},  // 1404
    {-0x1.5ff379d52500ap-1, 0x1.73da4b48b1533p-1}, {-0x1.5e7cf24936491p-1, 0x1.753b6315bfd04p-1}, {-0x1.5d050880f2b2bp-1, 0x1.769b01a9c6f6ep-1},  // 1407
    {-0x1.5b8bbdf84900ep-1, 0x1.77f925a165b79p-1}, {-0x1.5a111d6f6a4c7p-1, 0x1.7955c51c52cf8p-1}, {-0x1.589515e7d6944p-1, 0x1.7ab0efc04d6aap-1},  // 1410
    {-0x1.5717b21bf4c2cp-1, 0x1.7c0a9ba6c287ap-1}, {-0x1.5598f38d3c9cdp-1, 0x1.7d62c772540cap-1}, {-0x1.5418e5233eb9ap-1, 0x1.7eb9696e43512p-1},  // 1413
    {-0x1.529775a1191b2p-1, 0x1.800e90fb7b54fp-1}, {-0x1.5114afe8aba22p-1, 0x1.8162345edc9bep-1}, {-0x1.4f909580debbbp-1, 0x1.82b452412213p-1},  // 1416
    {-0x1.4e0b3177f22a3p-1, 0x1.8404e119b49e6p-1}, {-0x1.4c847253b8aebp-1, 0x1.8553f003b265cp-1}, {-0x1.4afc631cdb28dp-1, 0x1.86a175700ccb9p-1},  // 1419
    {-0x1.4973055f99fcep-1, 0x1.87ed700dad728p-1}, {-0x1.47e8645031534p-1, 0x1.8937d680bef38p-1}, {-0x1.465c6e384347ap-1, 0x1.8a80b79d9e5aep-1},  // 1422
    {-0x1.44cf2e468f4d9p-1, 0x1.8bc80a01e87adp-1}, {-0x1.4340a60c94b98p-1, 0x1.8d0dcc62caf6p-1}, {-0x1.41b0d71d1eaa8p-1, 0x1.8e51fd7707b99p-1},  // 1425
    {-0x1.401fccdae5cadp-1, 0x1.8f94941b900bfp-1}, {-0x1.3e8d7545e2845p-1, 0x1.90d59ecafeccap-1}, {-0x1.3cf9dbbb7202cp-1, 0x1.9215145b9c39ap-1},  // 1428
    {-0x1.3b6501d37e94ep-1, 0x1.9352f38a884fp-1}, {-0x1.39cef315225aap-1, 0x1.948f3362c67eap-1}, {-0x1.38379d46aec1cp-1, 0x1.95c9e2161b62ep-1},  // 1431
    {-0x1.369f0be9fd5fp-1, 0x1.9702f6a8cc102p-1}, {-0x1.3505409bfdeccp-1, 0x1.983a6fde6af65p-1}, {-0x1.336a470771998p-1, 0x1.997044f09e883p-1},  // 1434
    {-0x1.31ce0cba298abp-1, 0x1.9aa483c76f953p-1}, {-0x1.30309d59c1acp-1, 0x1.9bd72395b14aap-1}, {-0x1.2e91fa88150e1p-1, 0x1.9d0823257c88fp-1},  // 1437
    {-0x1.2cf23012cf462p-1, 0x1.9e3779dfa8a75p-1}, {-0x1.2b512b506b771p-1, 0x1.9f653561a1cc6p-1}, {-0x1.29aef8098b8eap-1, 0x1.a0914d0d57903p-1},  // 1440
    {-0x1.280b97e4db8f6p-1, 0x1.a1bbbfb37cd6ep-1}, {-0x1.266716d232989p-1, 0x1.a2e484eca4c48p-1}, {-0x1.24c161f1e38f3p-1, 0x1.a40baa0ac2af9p-1},  // 1443
    {-0x1.231a852ed7d83p-1, 0x1.a531269f6df2fp-1}, {-0x1.2172823471b53p-1, 0x1.a654f982069eep-1}, {-0x1.1fc96513f2cabp-1, 0x1.a7771a7b6388bp-1},  // 1446
    {-0x1.1e1f1ab8b6effp-1, 0x1.a897969127d3fp-1}, {-0x1.1c73af2f2e4bfp-1, 0x1.a9b665851af3ep-1}, {-0x1.1ac7242756605p-1, 0x1.aad386355ce13p-1},  // 1449
    {-0x1.19197b524f405p-1, 0x1.abeef781c071dp-1}, {-0x1.176ac0ea0d1ebp-1, 0x1.ad08b1702b9fbp-1}, {-0x1.15bae19969303p-1, 0x1.ae20c0a5b5a69p-1},  // 1452
    {-0x1.1409e995a9e32p-1, 0x1.af371d211d3f6p-1}, {-0x1.1257da946863ep-1, 0x1.b04bc5c90bfabp-1}, {-0x1.10a4c0ef497a7p-1, 0x1.b15eb2d4d213dp-1},  // 1455
    {-0x1.0ef0891eea181p-1, 0x1.b26ff09b63a8bp-1}, {-0x1.0d3b3f785e29ep-1, 0x1.b37f774cd71d8p-1}, {-0x1.0b84e5b59c514p-1, 0x1.b48d45d6be823p-1},  // 1458
    {-0x1.09cd884f3237ap-1, 0x1.b59954a252318p-1}, {-0x1.0815138cbc532p-1, 0x1.b6a3afb79ba35p-1}, {-0x1.065b93e254a55p-1, 0x1.b7ac4f7887395p-1},  // 1461
    {-0x1.04a10b0e335a6p-1, 0x1.b8b332d9a0d8cp-1}, {-0x1.02e585a705556p-1, 0x1.b9b8527683b23p-1}, {-0x1.0128efc4a571ep-1, 0x1.babbba078c0b7p-1},  // 1464
    {-0x1.fed6abf2d4cc8p-2, 0x1.bbbd6220f7707p-1}, {-0x1.fb59740f63745p-2, 0x1.bcbd49be5c806p-1}, {-0x1.f7da5146f7f76p-2, 0x1.bdbb69ae30c9ep-1},  // 1467
    {-0x1.f4591b6c48a08p-2, 0x1.beb7cd5865dc8p-1}, {-0x1.f0d5ebdee5b5ap-2, 0x1.bfb26d84026dep-1}, {-0x1.ed50c62b9c17ap-2, 0x1.c0ab4933b849cp-1},  // 1470
    {-0x1.e9c9c3f379676p-2, 0x1.c1a259694bae8p-1}, {-0x1.e640bcaebe2c8p-2, 0x1.c297a93b8b064p-1}, {-0x1.e2b5c9f6433cap-2, 0x1.c38b31a4baf9ep-1},  // 1473
    {-0x1.df28ef5eade32p-2, 0x1.c47cf1aeb881fp-1}, {-0x1.db9a307e9081fp-2, 0x1.c56ce8652dd74p-1}, {-0x1.d809a73c0142fp-2, 0x1.c65b0f0aa04a8p-1},  // 1476
    {-0x1.d4772aa1c79e6p-2, 0x1.c747704f76a9cp-1}, {-0x1.d0e2d48e10bb5p-2, 0x1.c832056ea26f7p-1}, {-0x1.cd4ca89efef2ep-2, 0x1.c91acd7b0c5dfp-1},  // 1479
    {-0x1.c9b4c0f00b96p-2, 0x1.ca01c1eb82495p-1}, {-0x1.c61af43752bc5p-2, 0x1.cae6ed1dbbad5p-1}, {-0x1.c27f5c88a1e44p-2, 0x1.cbca4880e2ddbp-1},  // 1482
    {-0x1.bee1fd8970decp-2, 0x1.ccabd32f2e201p-1}, {-0x1.bb42f188f5fbep-2, 0x1.cd8b86d41d7bap-1}, {-0x1.b7a20eeb3d95fp-2, 0x1.ce696d7a117b1p-1},  // 1485
    {-0x1.b3ff6ff80fd6ep-2, 0x1.cf4580c4d776ap-1}, {-0x1.b05b185bff116p-2, 0x1.d01fbfd601bafp-1}, {-0x1.acb5229855284p-2, 0x1.d0f8248e28ddbp-1},  // 1488
    {-0x1.a90d64c1af8a5p-2, 0x1.d1ceb8a3b41d8p-1}, {-0x1.a563f95228191p-2, 0x1.d2a375ef7aaf1p-1}, {-0x1.a1b8e3fd303fap-2, 0x1.d3765b9a78f2bp-1},  // 1491
    {-0x1.9e0c3f7478ddbp-2, 0x1.d44763bac30d7p-1}, {-0x1.9a5de17fd64d1p-2, 0x1.d51697b229e4ep-1}, {-0x1.96ade4ca0804cp-2, 0x1.d5e3f18ef2086p-1},  // 1494
    {-0x1.92fc4d0d22b05p-2, 0x1.d6af70818f80bp-1}, {-0x1.8f4935298e878p-2, 0x1.d7790ed5f1a26p-1}, {-0x1.8b94729d017f2p-2, 0x1.d840d598bb449p-1},  // 1497
    {-0x1.87de2041316f4p-2, 0x1.d906bf0dfe6fdp-1}, {-0x1.842641d69a007p-2, 0x1.d9caca6db3f13p-1}, {-0x1.806cdb1f47262p-2, 0x1.da8cf6f1b7c7fp-1},  // 1500
    {-0x1.7cb20733a2db4p-2, 0x1.db4d3f29cca35p-1}, {-0x1.78f59b3884209p-2, 0x1.dc0babb74e82cp-1}, {-0x1.7537b23ff1f4dp-2, 0x1.dcc8372212588p-1},  // 1503
    {-0x1.717850121362ap-2, 0x1.dd82e0ab88a02p-1}, {-0x1.6db78ff233e98p-2, 0x1.de3ba31a19e7fp-1}, {-0x1.69f546c11d0e7p-2, 0x1.def286b8b282bp-1},  // 1506
    {-0x1.66318fbbf74bcp-2, 0x1.dfa78645c0aa6p-1}, {-0x1.626c6eb0c79c6p-2, 0x1.e05aa10a55607p-1}, {-0x1.5ea5ff0c022d2p-2, 0x1.e10bd203d38f2p-1},  // 1509
    {-0x1.5ade156d1c4f6p-2, 0x1.e1bb212631c49p-1}, {-0x1.5714cd3aa784ep-2, 0x1.e2688966cc80cp-1}, {-0x1.534a2a4849332p-2, 0x1.e3140a1660d8dp-1},  // 1512
    {-0x1.4f7e4829e2c39p-2, 0x1.e3bd9e699d16cp-1}, {-0x1.4bb0fb4052bc2p-2, 0x1.e4654dfd016adp-1}, {-0x1.47e25f19d894bp-2, 0x1.e50b13fd2a204p-1},  // 1515
    {-0x1.4412778f7c3c6p-2, 0x1.e5aeefc28b722p-1}, {-0x1.4041605ace6afp-2, 0x1.e650dcb96c8fcp-1}, {-0x1.3c6eeda0d8376p-2, 0x1.e6f0e2265c385p-1},  // 1518
    {-0x1.389b3b15c97c9p-2, 0x1.e78efb6d848acp-1}, {-0x1.34c64c97ce7b3p-2, 0x1.e82b27ef1b7dp-1}, {-0x1.30f03e0466e9dp-2, 0x1.e8c5634f4b26ap-1},  // 1521
    {-0x1.2d18e3478b948p-2, 0x1.e95db47a3b508p-1}, {-0x1.294058399cc08p-2, 0x1.e9f4170bee72fp-1}, {-0x1.2566a0bdac74dp-2, 0x1.ea888a6c6656ep-1},  // 1524
    {-0x1.218bc0b7fc5d2p-2, 0x1.eb1b0e059941dp-1}, {-0x1.1dafd4307d18cp-2, 0x1.ebab9dc1efb64p-1}, {-0x1.19d2aecfbdb5cp-2, 0x1.ec3a401e73e55p-1},  // 1527
    {-0x1.15f46c98e19cdp-2, 0x1.ecc6f0fd5a399p-1}, {-0x1.12151174c1a2fp-2, 0x1.ed51afd070b7cp-1}, {-0x1.0e34b98b44919p-2, 0x1.edda78ba9c621p-1},  // 1530
    {-0x1.0a53385231a6fp-2, 0x1.ee6151df8c7c8p-1}, {-0x1.0670a9ece4959p-2, 0x1.eee63759e88c4p-1}, {-0x1.028d12488e249p-2, 0x1.ef6928a35f508p-1},  // 1533
    {-0x1.fd511b5687feap-3, 0x1.efea221790c4fp-1}, {-0x1.f585deb5ab94ap-3, 0x1.f06929806dfa5p-1}, {-0x1.edb8a73221077p-3, 0x1.f0e63b31508f8p-1},  // 1536
    {-0x1.e5e97cae7acd3p-3, 0x1.f16156abd07a1p-1}, {-0x1.de1897efafa17p-3, 0x1.f1da78848393cp-1}, {-0x1.d6459f2716146p-3, 0x1.f251a62b3f1fp-1},  // 1539
    {-0x1.ce70cb1198e49p-3, 0x1.f2c6dc2c4a3ebp-1}, {-0x1.c69a23997befep-3, 0x1.f33a1a112e1acp-1}, {-0x1.bec1e1b8eb609p-3, 0x1.f3ab5ca7adb67p-1},  // 1542
    {-0x1.b6e7ab4ca13dp-3, 0x1.f41aa9052a9bfp-1}, {-0x1.af0bb94743922p-3, 0x1.f487fbef1143ep-1}, {-0x1.a72e139a47a8fp-3, 0x1.f4f354f6e3846p-1},  // 1545
    {-0x1.9f4ef37175c7cp-3, 0x1.f55cb123c538ap-1}, {-0x1.976dfe5a9cf27p-3, 0x1.f5c4153051ffbp-1}, {-0x1.8f8b6d7a85ab9p-3, 0x1.f6297e1b4fdd8p-1},  // 1548
    {-0x1.87a748c956362p-3, 0x1.f68ceb7e4050dp-1}, {-0x1.7fc19840ccf79p-3, 0x1.f6ee5cf4a5cd8p-1}, {-0x1.77da9545a10e3p-3, 0x1.f74dcfcda07c2p-1},  // 1551
    {-0x1.6ff1e50b04d4fp-3, 0x1.f7ab4851e996p-1}, {-0x1.6807c0ef58344p-3, 0x1.f806c3c83b0a9p-1}, {-0x1.601c30f26966fp-3, 0x1.f86041d41ef9cp-1},  // 1554
    {-0x1.582f6ea26790cp-3, 0x1.f8b7bffe7d694p-1}, {-0x1.50411ef07b293p-3, 0x1.f90d4234a5b15p-1}, {-0x1.48517b65036a5p-3, 0x1.f960c5f713828p-1},  // 1557
    {-0x1.40608c055d0b4p-3, 0x1.f9b24af15e7ffp-1}, {-0x1.386e8a858c898p-3, 0x1.fa01cee65e69p-1}, {-0x1.307b1b9a70e17p-3, 0x1.fa4f5567b9352p-1},  // 1560
    {-0x1.288678f2c650ep-3, 0x1.fa9adc2fd4bb1p-1}, {-0x1.2090aa98f6587p-3, 0x1.fae462f25b75ep-1}, {-0x1.1899ea6335bfep-3, 0x1.fb2be7ac3912cp-1},  // 1563
    {-0x1.10a1dccfde3fap-3, 0x1.fb716d9330727p-1}, {-0x1.08a8bbb0645fp-3, 0x1.fbb4f29bb64e7p-1}, {-0x1.00ae8f13bc63dp-3, 0x1.fbf676818ccc2p-1},  // 1566
    {-0x1.f16721dd484f4p-4, 0x1.fc35f77bd40f5p-1}, {-0x1.e16ecb1d6f8f2p-4, 0x1.fc73786437fa3p-1}, {-0x1.d1748dc8fa528p-4, 0x1.fcaef7695d3aap-1},  // 1569
    {-0x1.c1787a05e212cp-4, 0x1.fce8744f21efdp-1}, {-0x1.b17b03f3625adp-4, 0x1.fd1fed86f78fep-1}, {-0x1.a17b73d6cda7fp-4, 0x1.fd55658e44e7bp-1},  // 1572
    {-0x1.917a3dc800be2p-4, 0x1.fd88dacdfbfe5p-1}, {-0x1.817771f400e65p-4, 0x1.fdba4d121ab92p-1}, {-0x1.717320896d855p-4, 0x1.fde9bc28a77acp-1},  // 1575
    {-0x1.616dbde061281p-4, 0x1.fe1726cc1c6fp-1}, {-0x1.516691e3216bp-4, 0x1.fe428f0651f54p-1}, {-0x1.415e10e3c0232p-4, 0x1.fe6bf3893e945p-1},  // 1578
    {-0x1.31544b16a1806p-4, 0x1.fe93542b0c7bap-1}, {-0x1.2149b4f91b041p-4, 0x1.feb8afe0ba9d5p-1}, {-0x1.113d9639af9c6p-4, 0x1.fedc085789e31p-1},  // 1581
    {-0x1.01306350be27ap-4, 0x1.fefd5c7bf2d67p-1}, {-0x1.e24458eed332ap-5, 0x1.ff1cac2c46181p-1}, {-0x1.c226cc91cd88cp-5, 0x1.ff39f698183dfp-1},  // 1584
    {-0x1.a206b08734abfp-5, 0x1.ff553d0ff79fp-1}, {-0x1.81e4edfda9c62p-5, 0x1.ff6e7ebaf02efp-1}, {-0x1.61c1a56ee39cdp-5, 0x1.ff85bb7f7b204p-1},  // 1587
    {-0x1.419dc03e4f6d7p-5, 0x1.ff9af2c7cfd6dp-1}, {-0x1.2177cd1fc8feap-5, 0x1.ffae2587b4d4ep-1}, {-0x1.0150b5711a59ep-5, 0x1.ffbf5320d72c3p-1},  // 1590
    {-0x1.c2513362bc051p-6, 0x1.ffce7b81da3e1p-1}, {-0x1.8200c6c48dd32p-6, 0x1.ffdb9e4fa1b23p-1}, {-0x1.41ad420c2d984p-6, 0x1.ffe6bc211cd05p-1},  // 1593
    {-0x1.015878360614ap-6, 0x1.ffefd492a3c84p-1}, {-0x1.8205548df1b62p-7, 0x1.fff6e79b0543p-1}, {-0x1.015b56c2ef35p-7, 0x1.fffbf519d6ed4p-1},  // 1596
    {-0x1.015a6155fc462p-8, 0x1.fffefd49274b8p-1},  // 1599
};
// clang-format on

}  // namespace kelmora
